#pragma once

#include <QString>

// The texts the run loop shows.

// txt_timepass and the communication error's time: "[dd] hh:mm.ss", whole
// elapsed days in the brackets ("[00] 01:05.09" for 1 h 5 min 9 s).
QString elapsedTimeText(double elapsedSeconds);

// txt_status after a good sample: "[Scan3_C2.0] Frame #4/10" for scan index 2,
// camera 1, window 0 and sample 4; scans and cameras counted from 1.
QString sampleStatusText(int scanIndex, int camera, int window, int sample);

// txt_in after a frame: its length followed directly by "bytes".
QString frameLengthText(qsizetype length);

// The message that ends a run after too many failed frames; the camera is
// counted from 0.
QString communicationErrorText(int camera, double elapsedSeconds);
// The status line while frames go unanswered: "No answer from the instrument (4 of 21)".
QString noAnswerText(int failures, int mostFailures);
// The message of a run ended because a run file could not be written.
QString runFileFailureText(const QString& path);
