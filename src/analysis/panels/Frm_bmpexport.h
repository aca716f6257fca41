#pragma once

#include "analysis/sequence/ChemotaxisIndexKind.h"

#include <QWidget>

#include <array>
#include <functional>

class Clock;
class DesktopOpener;
class FreeSpace;
class Prompts;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;
class SequencePicture;
struct Globals;

// What the image-sequence page works with; the application owns all of it.
struct BmpExportContext {
    Globals& globals;                          // runFolder
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;                     // "explorer" and "notepad"
    std::function<QString()> reportFileType;   // the main window's Combo_reportfile text
    std::function<QString()> reportDivider;    // the main window's Combo_reportdivider text
    const FreeSpace* freeSpace = nullptr;      // the run folder's disk; none: the system's
};

// The image-sequence page "BMP_export": a recorded run's chemotaxis images
// well by well, scan by scan, with the well's index plot.
class Frm_bmpexport : public QWidget {
    Q_OBJECT
public:
    // Builds the controls and runs Form_Load (the page is loaded when first opened).
    explicit Frm_bmpexport(BmpExportContext context, QWidget* parent = nullptr);
    ~Frm_bmpexport() override;

    // Closed by the user: the next opening loads a fresh page.
    bool unloaded() const { return unloaded_; }
    // The run folder the page was loaded in.
    const QString& pageRunFolder() const { return pageRunFolder_; }
    // The images folder chk_3point chooses at this moment.
    QString imagesFolder() const;
    // The index name the analysis list and the options choose.
    QString selectedIndexName() const;

    QLabel* Label3 = nullptr;
    QComboBox* cmb_well = nullptr;
    QPushButton* cmd_loop = nullptr;
    QPushButton* cmd_menos = nullptr;
    QPushButton* cmd_mas = nullptr;
    QLineEdit* txt_cframe = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txt_frame = nullptr;
    SequencePicture* wellpicture = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cmb_analysis = nullptr;
    QFrame* frame_2sides = nullptr;
    QFrame* frame_4sides = nullptr;
    std::array<QRadioButton*, 7> option_axis{}; // indexes 1 to 6
    QButtonGroup* sidesGroup = nullptr;
    QButtonGroup* quadrantsGroup = nullptr;
    SequencePicture* Picture_progress = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* chk_3point = nullptr;
    QCheckBox* chk_grey = nullptr;
    QCheckBox* chk_redcross = nullptr;
    QPushButton* cmd_process = nullptr;
    SequencePicture* Picture_progress2 = nullptr;
    QLineEdit* txt_formatowell = nullptr;
    QLabel* lbl_name = nullptr;
    QTimer* Timer1 = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* mn_advanced = nullptr;
    QAction* mn_export_rawbmp = nullptr;

    bool playActive = false;
    qint16 processBusy = 0; // -1 while "Process Files" runs

    void Form_Load();
    void PlaceAnalysisFrames();
    void Timer1_Timer();
    void cmb_well_Click();
    void cmb_analysis_Click();
    void option_axis_Click(int index);
    void chk_3point_Click();
    void cmd_loop_Click();
    void cmd_mas_Click();
    void cmd_menos_Click();
    void mn_export_rawbmp_Click();
    void cmd_process_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Loads the frame image of the well in the list's text; false when missing.
    bool showFrame(qint32 frame);
    // Loads the index plot of the well; false when missing.
    bool showIndexPlot(const QString& indexName);
    OptionSelection optionSelection() const;

    BmpExportContext ctx_;
    QString pageRunFolder_;
    bool unloaded_ = false;
};
