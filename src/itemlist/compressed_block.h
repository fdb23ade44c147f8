#pragma once

// The zlib streams of a job file: each block is one zlib stream at level 9.

#include <QByteArray>
#include <QString>
#include <optional>

QByteArray compressBlock(const QByteArray& data); // zlib, level 9, one finishing flush
// Data that ends many zlib streams, compressed once: its raw deflate data
// (ended by a finishing flush), its Adler-32 and its length.
struct SharedBlockTail {
    QByteArray deflate;
    unsigned long adler = 1;
    qsizetype length = 0;
};
SharedBlockTail compressBlockTail(const QByteArray& data);
// One zlib stream of head followed by the tail's data: the zlib header, head
// deflated at level 9 (with a shorter match search) up to a full flush, the tail's deflate data as it is, and
// the Adler-32 of both. Any inflater reads it as the bytes head + tail.
QByteArray compressBlock(const QByteArray& head, const SharedBlockTail& tail);
// Inflates one zlib stream that must fill the input exactly and give at most
// limit bytes. All of it is returned, or with firstBitmapOnly only the bytes
// of the first BMP file (the rest is checked and dropped).
std::optional<QByteArray> inflateBlock(const char* data, qsizetype size, qsizetype limit, QString& reason,
                                       bool firstBitmapOnly = false);
