#pragma once
// The backup archive: a standard zip file with one entry, deflated at the highest
// level and encrypted with the traditional PKWARE method under a fixed password.
#include <QString>
#include <functional>
#include <stdexcept>

class QFileDevice;

namespace pk {

// The password of every backup archive.
QString BackupPassword();

// A failure of the archiver or the file system, with the text shown to the user.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// Reports the whole percentage (0..100) of the work done so far.
using ArchiveProgress = std::function<void(int percent)>;

// Writes a new archive (an existing file of that name is replaced only once the new
// one is complete) holding `file` under the entry name `entryName`.
void WriteArchive(const QString& archive, const QString& file, const QString& entryName,
                  const ArchiveProgress& progress = {});

// Extracts the entry `entryName` (letter case ignored, no folder part) into the
// open-for-writing file `out` (written through its handle, unbuffered), checking the password and the entry's CRC on the way.
// Returns the number of bytes written.
qint64 ExtractArchiveEntry(const QString& archive, const QString& entryName, QFileDevice& out,
                           const ArchiveProgress& progress = {});

// The CRC-32 of zip archives, continued from `crc` over `size` bytes.
quint32 Crc32(quint32 crc, const char* data, qint64 size);

}  // namespace pk
