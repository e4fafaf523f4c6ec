#include "core/backup/archive.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <memory>
#include <vector>
#include <zip.h>

namespace pk {

QString BackupPassword() { return QStringLiteral("qelvat"); }

namespace {

QString zipText(zip_error_t* error) { return QString::fromLocal8Bit(zip_error_strerror(error)); }

QString openErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  QString text = zipText(&error);
  zip_error_fini(&error);
  return text;
}

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipFileHandle = std::unique_ptr<zip_file_t, ZipFileCloser>;

struct ProgressState {
  const ArchiveProgress* progress;
  int last = -1;
};

void report(ProgressState& state, int percent) {
  if (!*state.progress || percent == state.last) return;
  state.last = percent;
  (*state.progress)(percent);
}

void onZipProgress(zip_t*, double fraction, void* ud) {
  auto* state = static_cast<ProgressState*>(ud);
  report(*state, int(fraction * 100.0));
}

// Eight tables: table k gives the CRC of a byte followed by k zero bytes, so eight
// bytes are taken in one step.
using CrcTables = std::array<std::array<quint32, 256>, 8>;
const CrcTables& crcTables() {
  static const CrcTables tables = [] {
    CrcTables t{};
    for (quint32 i = 0; i < 256; ++i) {
      quint32 c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[0][i] = c;
    }
    for (quint32 i = 0; i < 256; ++i) {
      for (int k = 1; k < 8; ++k) t[k][i] = t[0][t[k - 1][i] & 0xFFu] ^ (t[k - 1][i] >> 8);
    }
    return t;
  }();
  return tables;
}

// Writes straight to the file, so a full disk is told by the system's own words.
void writeAll(QFileDevice& out, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::write(out.handle(), data, size_t(size));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ArchiveError(QStringLiteral("Could not write %1: %2")
                             .arg(out.fileName(), QString::fromLocal8Bit(std::strerror(errno))));
    }
    data += n;
    size -= n;
  }
}

}  // namespace

quint32 Crc32(quint32 crc, const char* data, qint64 size) {
  const CrcTables& t = crcTables();
  const auto* p = reinterpret_cast<const quint8*>(data);
  crc = ~crc;
  for (; size >= 8; size -= 8, p += 8) {
    const quint32 lo = crc ^ (quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
    const quint32 hi = quint32(p[4]) | quint32(p[5]) << 8 | quint32(p[6]) << 16 | quint32(p[7]) << 24;
    crc = t[7][lo & 0xFFu] ^ t[6][(lo >> 8) & 0xFFu] ^ t[5][(lo >> 16) & 0xFFu] ^ t[4][lo >> 24] ^
          t[3][hi & 0xFFu] ^ t[2][(hi >> 8) & 0xFFu] ^ t[1][(hi >> 16) & 0xFFu] ^ t[0][hi >> 24];
  }
  for (; size > 0; --size, ++p) crc = t[0][(crc ^ *p) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

void WriteArchive(const QString& archive, const QString& file, const QString& entryName,
                  const ArchiveProgress& progress) {
  if (!QFileInfo(file).isFile()) {
    throw ArchiveError(QStringLiteral("Could not find file '%1'.").arg(file));
  }
  int code = 0;
  // libzip writes into a temporary file beside the archive and renames it on close,
  // so an older archive of the same name survives a failed backup.
  ZipHandle z(zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!z) throw ArchiveError(openErrorText(code));

  zip_source_t* source = zip_source_file(z.get(), QFile::encodeName(file).constData(), 0, -1);
  if (!source) throw ArchiveError(zipText(zip_get_error(z.get())));
  // The bare name, flagged as code page 437 (never UTF-8).
  const zip_int64_t index =
      zip_file_add(z.get(), entryName.toLatin1().constData(), source, ZIP_FL_ENC_CP437 | ZIP_FL_OVERWRITE);
  if (index < 0) {
    zip_source_free(source);
    throw ArchiveError(zipText(zip_get_error(z.get())));
  }
  const std::string password = BackupPassword().toStdString();
  if (zip_set_file_compression(z.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 9) < 0 ||
      zip_file_set_encryption(z.get(), zip_uint64_t(index), ZIP_EM_TRAD_PKWARE, password.c_str()) < 0) {
    throw ArchiveError(zipText(zip_get_error(z.get())));
  }
  ProgressState state{&progress};
  if (progress) zip_register_progress_callback_with_state(z.get(), 0.01, onZipProgress, nullptr, &state);
  if (zip_close(z.get()) < 0) throw ArchiveError(zipText(zip_get_error(z.get())));
  z.release();  // closed
  report(state, 100);
}

qint64 ExtractArchiveEntry(const QString& archive, const QString& entryName, QFileDevice& out,
                           const ArchiveProgress& progress) {
  int code = 0;
  ZipHandle z(zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code));
  if (!z) throw ArchiveError(openErrorText(code));

  const zip_int64_t index = zip_name_locate(z.get(), entryName.toLatin1().constData(), ZIP_FL_NOCASE);
  if (index < 0) throw ArchiveError(QStringLiteral("The archive holds no %1.").arg(entryName));
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(z.get(), zip_uint64_t(index), 0, &st) < 0) {
    throw ArchiveError(zipText(zip_get_error(z.get())));
  }
  const std::string password = BackupPassword().toStdString();
  ZipFileHandle entry(zip_fopen_index_encrypted(z.get(), zip_uint64_t(index), 0, password.c_str()));
  if (!entry) throw ArchiveError(zipText(zip_get_error(z.get())));

  const qint64 expected = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) : -1;
  ProgressState state{&progress};
  report(state, 0);
  std::vector<char> buffer(256 * 1024);
  quint32 crc = 0;
  qint64 total = 0;
  for (;;) {
    const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
    if (n < 0) throw ArchiveError(QString::fromLocal8Bit(zip_file_strerror(entry.get())));
    if (n == 0) break;
    writeAll(out, buffer.data(), n);
    crc = Crc32(crc, buffer.data(), n);
    total += n;
    if (expected > 0) report(state, int(total * 100 / expected));
  }
  if (expected >= 0 && total != expected) {
    throw ArchiveError(openErrorText(ZIP_ER_EOF));
  }
  if ((st.valid & ZIP_STAT_CRC) && crc != st.crc) throw ArchiveError(openErrorText(ZIP_ER_CRC));
  report(state, 100);
  return total;
}

}  // namespace pk
