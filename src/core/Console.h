#pragma once

#include <QColor>
#include <QString>

// What a window shows of instrument traffic: its status line (txt_status), its
// communication box (txt_in) and its received-length label (lbl_lenrx).
class Console {
public:
    virtual ~Console() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
    virtual void setCommText(const QString& text) = 0;
    virtual QString commText() const = 0;
    virtual void setLenRx(const QString& text, const QColor& colour) = 0;
    virtual QString lenRx() const = 0;
    // The label's fore colour now, for writers that leave it as it is.
    virtual QColor lenRxColour() const = 0;
};

// A console that only keeps the texts: for procedures run without a window.
class MemoryConsole : public Console {
public:
    void setStatus(const QString& text) override { status_ = text; }
    QString status() const override { return status_; }
    void setCommText(const QString& text) override { comm_ = text; }
    QString commText() const override { return comm_; }
    void setLenRx(const QString& text, const QColor& colour) override
    {
        lenRx_ = text;
        lenRxColour_ = colour;
    }
    QString lenRx() const override { return lenRx_; }
    QColor lenRxColour() const override { return lenRxColour_; }

private:
    QString status_;
    QString comm_;
    QString lenRx_ = QStringLiteral("Len(Rx) = 0");
    QColor lenRxColour_ = Qt::black;
};
