#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// How a reply is shown: "Empty" when nothing came; otherwise the first byte
// as its character, then ";" and the decimal value of each further byte
// (the letter G with 0 and 15 reads G;0;15).
QString replyDisplayText(const QByteArray& reply);

// The bytes' decimal values one after another, without separators
// (0x46 0x00 0x04 reads 7004).
QString decimalRunText(const QByteArray& bytes);

// The value of a number reply [letter, high, low]: high times 256 plus low,
// 0 to 65535; -1 when fewer than three bytes came, so that a cut reply is never
// taken for a number. The letter is not checked.
qint32 numberReplyValue(const QByteArray& reply);
