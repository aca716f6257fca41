#pragma once

#include <QByteArray>
#include <QList>

#include <array>
#include <vector>

// Window files of a small recorded run for the chemotaxis tests: the loader's
// three-scan run, each window file holding its wells in turn.
namespace chemotaxis_run {

// The loader's three-scan run: one well per window file; positions 0 and 4
// all "-", positions 1 to 3 with values in scans 0 and 1.
inline QByteArray wellBlock(const QByteArray& well, const std::array<const char*, 3>& lines)
{
    QByteArray text = well + ",0,-,-,-,-,-,-\r\n";
    for (int p = 0; p < 3; ++p)
        text += well + "," + QByteArray::number(p + 1) + "," + lines[size_t(p)] + "\r\n";
    return text + well + ",4,-,-,-,-,-,-\r\n";
}

inline const std::vector<std::array<const char*, 3>> kScans = {
    {"-,2,0,1,-,-", "-,0,3,0,-,-", "-,4,0,0,-,-"},
    {"-,0,0,0,-,-", "-,0,0,5,-,-", "-,0,0,0,-,-"},
    {"-,0,0,0,-,-", "-,0,0,0,-,-", "-,0,0,0,-,-"},
};
inline const char* kTimes[] = {"\"12.5\"", "\"13.5\"", "\"14.0\"", "\"15.0\""};

inline QByteArray windowFile(const QList<QByteArray>& wells, size_t scans = 3)
{
    QByteArray text;
    for (size_t s = 0; s < scans; ++s) {
        text += "scan," + QByteArray::number(qulonglong(s)) + "\r\n";
        text += QByteArray("time[m],") + kTimes[s] + "\r\n";
        for (const QByteArray& w : wells)
            text += wellBlock(w, kScans[s % 3]);
        text += "\r\n";
    }
    return text;
}

inline QByteArray groupFile(int controlWell = 0)
{
    QByteArray text = "#Well, Group, name\r\n";
    for (int w = 0; w < 384; ++w)
        text += QByteArray::number(w) + (w == controlWell ? ",2,\"Control\"\r\n" : ",-1,\"Free\"\r\n");
    return text;
}

} // namespace chemotaxis_run
