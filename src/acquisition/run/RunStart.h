#pragma once

#include "calibration/BlankRecord.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "plate/files/CamConf.h"

#include <QDateTime>
#include <QString>

#include <optional>

class Clock;
class Prompts;

// Starting a run, as far as it works without the window: the start checks, the
// boxes' limits, the run folder's name and the files written before the first
// frame.

inline const QString kAcquisitionPlaceholder = QStringLiteral("<Write Acquisition Name>");
inline const QString kLapseLimitMessage = QStringLiteral("Maximum time limited to 32000 minutes");
inline const QString kReferenceMandatory =
    QStringLiteral("Internal Reference (homogeneous plate) is mandatory for this plate format");
inline const QString kReferenceQuestion = QStringLiteral("Proceed to measure internal Reference(homogeneus plate)?");
inline const QString kProjectFolderError = QStringLiteral("Error creating project folder/setup");

// The box a refused start puts the focus on.
enum class RunStartFocus { None, Lapse, Format };
struct RunStartRefusal {
    QString message;
    RunStartFocus focus = RunStartFocus::None;
};

// The time and format boxes: above 1 minute; a format a run can use.
std::optional<RunStartRefusal> runBoxesRefusal(const QString& lapseText, const QString& formatText);
// The instrument: a port or dummy mode, and the unit folder's ledxy.dat.
std::optional<RunStartRefusal> runInstrumentRefusal(bool dummyMode, bool portOpen, const QString& unitFolder);

// txtlapse as the confirmation panel opens: below 5 minutes "5", above 32000 "32000".
QString panelLapseText(const QString& lapseText);
// txtlapse_Change: "32000" for a typed value above it, else nothing to change.
std::optional<QString> typedLapseLimit(const QString& lapseText);

// Formats whose runs need a usable internal-reference run.
bool formatNeedsInternalReference(const QString& format);
// The internal-reference run's names: its project and acquisition boxes.
QString referenceProjectName(int serialNumber); // "_internal_reference" and "SN<n>" from 1
QString referenceAcquisitionName(const QString& format);

// runName: the confirmation time "yyyymmdd_hhmmss" and the cleaned
// acquisition name (the stamp alone for the placeholder or an empty box).
QString runFolderName(const QDateTime& when, const QString& acquisitionText);

// What the confirmed panel and the window give the new run.
struct RunConfirmation {
    QString projectText;     // txt_pjname
    QString acquisitionText; // txt_acqname, as typed
    QString lapseText;       // txtlapse
    QString formatText;      // cmb_well
    QString temperatureText; // txttemp, for the project's set-up
    int serialNumber = 0;
    const WellGroupTable& groups;
    CameraFlags cameraEnabled{};
    QString lastRunStamp; // the last run's stamp: a second run in its second waits for the next
};

struct CreatedRun {
    bool created = false;
    QString projectFolder; // runProjectFolder
    QString runName;
    QString runFolder;     // full path
    QString stamp;         // "yyyymmdd_hhmmss" of the run's name
};

// The run's folders and its files before the first frame, in order: the
// project's pjsetup.dat, chgroup.dat of the project and of the run, the unit's
// camconf.dat, the blank copy, serial.dat, subpj.dat and the three run files'
// headers. A project name that cleans to 2 characters or fewer, or a folder or
// file that cannot be made, says "Error creating project folder/setup" and
// gives no run.
CreatedRun createRunFolder(const ProgramFolder& folder, Clock& clock, Prompts& prompts, const RunConfirmation& run,
                           BlankRecord& blank);

// serial.dat: "SN" and the serial number; subpj.dat: the name as typed, the
// time and the format.
bool writeSerialFile(const QString& runFolder, int serialNumber);
bool writeSubpjFile(const QString& runFolder, const QString& acquisitionText, const QString& lapseText,
                    const QString& formatText);
