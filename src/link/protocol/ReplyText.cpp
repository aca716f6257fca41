#include "link/protocol/ReplyText.h"

QString replyDisplayText(const QByteArray& reply)
{
    if (reply.isEmpty())
        return QStringLiteral("Empty");
    QString text = QString(QChar(static_cast<uchar>(reply.at(0))));
    for (qsizetype i = 1; i < reply.size(); ++i)
        text += QLatin1Char(';') + QString::number(static_cast<uchar>(reply.at(i)));
    return text;
}

QString decimalRunText(const QByteArray& bytes)
{
    QString text;
    for (const char b : bytes)
        text += QString::number(static_cast<uchar>(b));
    return text;
}

qint32 numberReplyValue(const QByteArray& reply)
{
    if (reply.size() < 3)
        return -1;
    return qint32(static_cast<uchar>(reply.at(1))) * 256 + static_cast<uchar>(reply.at(2));
}
