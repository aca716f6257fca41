#pragma once

#include <QString>

class FreeSpace;

// What the analysis pages say when a file of theirs cannot be written, and the
// room check before they write one image per scan. Each page opens its
// message with the words it uses for its other file errors.

// The page's words, the file, and why it is not there whole.
QString analysisWriteError(const QString& words, const QString& path);

// Whether `images` files of `bytes` in all fit on the disk of `folder`.
// Empty when they do (or when the free space cannot be told); otherwise the
// message, in the page's words, that says how much is needed and free.
QString analysisImageRoomError(const FreeSpace& space, const QString& words, const QString& folder, qint64 images,
                               qint64 bytes);
