#include "collect/checksums.h"

#include "collect/crc32_bzip2.h"
#include "common/language.h"
#include "common/settings.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that the system call per block disappears against the digest work, small
// enough to stay in the second-level cache while all digests walk over it.
constexpr std::size_t BufferSize = 256 * 1024;

constexpr int DefaultLimitKb = 10000;

static_assert(CellSha512 - CellMd5 + 1 == ChecksumKindCount, "one cell per kind, in the order of the kinds");

struct EvpContextFree {
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
using EvpContext = std::unique_ptr<EVP_MD_CTX, EvpContextFree>;

const EVP_MD *evpDigest(ChecksumKind kind)
{
    switch (kind) {
    case ChecksumKind::MD5:
        return EVP_md5();
    case ChecksumKind::SHA1:
        return EVP_sha1();
    case ChecksumKind::SHA256:
        return EVP_sha256();
    case ChecksumKind::SHA512:
        return EVP_sha512();
    case ChecksumKind::CRC32:
        break;
    }
    return nullptr;
}

QString hexText(const unsigned char *bytes, std::size_t length)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(length)).toHex());
}

// The running states of every wanted kind, fed with the same blocks.
class DigestStates {
public:
    explicit DigestStates(ChecksumKinds wanted) : m_crcWanted(wanted[int(ChecksumKind::CRC32)])
    {
        for (int i = 0; i < ChecksumKindCount; ++i) {
            const EVP_MD *digest = evpDigest(ChecksumKind(i));
            if (!wanted[i] || !digest)
                continue;
            EvpContext context(EVP_MD_CTX_new());
            // A digest the library refuses (a restricted build) leaves only its own kind without result.
            if (context && EVP_DigestInit_ex(context.get(), digest, nullptr) == 1)
                m_contexts[i] = std::move(context);
        }
    }

    void update(const unsigned char *data, std::size_t length)
    {
        for (EvpContext &context : m_contexts)
            if (context && EVP_DigestUpdate(context.get(), data, length) != 1)
                context.reset();
        if (m_crcWanted)
            m_crc.update(data, length);
    }

    ChecksumResults finish()
    {
        ChecksumResults results{};
        for (int i = 0; i < ChecksumKindCount; ++i) {
            unsigned char digest[EVP_MAX_MD_SIZE];
            unsigned int length = 0;
            if (m_contexts[i] && EVP_DigestFinal_ex(m_contexts[i].get(), digest, &length) == 1)
                results[i] = hexText(digest, length);
        }
        if (m_crcWanted) {
            // Least significant byte first.
            const std::uint32_t value = m_crc.value();
            const unsigned char bytes[4] = {
                static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
            results[int(ChecksumKind::CRC32)] = hexText(bytes, sizeof bytes);
        }
        return results;
    }

private:
    std::array<EvpContext, ChecksumKindCount> m_contexts;
    Crc32Bzip2 m_crc;
    bool m_crcWanted;
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

int openForReading(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    // Non-blocking so that a named pipe cannot stall the caller in open; it is refused below.
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The limit field: a whole decimal number, optionally signed, that fits in 32 bits.
int limitKb(const QString &text)
{
    const qsizetype digitsFrom = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (text.size() == digitsFrom)
        return DefaultLimitKb;
    for (qsizetype i = digitsFrom; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return DefaultLimitKb;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : DefaultLimitKb;
}

const char *const enablingSettings[ChecksumKindCount] = {"act_checksum_md5", "act_checksum_crc",
                                                         "act_checksum_sha1", "act_checksum_sha256",
                                                         "act_checksum_sha512"};

} // namespace

ChecksumResults fileChecksums(const QString &path, ChecksumKinds wanted)
{
    const ChecksumResults none{};
    if (wanted.none())
        return none;
    const FileDescriptor file(openForReading(path));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return none;
    ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    DigestStates states(wanted);
    const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(BufferSize);
    // Only the size measured now is digested: bytes appended meanwhile are left out.
    for (qint64 remaining = info.st_size; remaining > 0;) {
        const ssize_t got =
            ::read(file.get(), buffer.get(), std::size_t(std::min<qint64>(remaining, BufferSize)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) // shrunk or unreadable: a digest of part of the file would mislead
            return none;
        states.update(buffer.get(), std::size_t(got));
        remaining -= got;
    }
    return states.finish();
}

std::optional<QString> fileChecksum(ChecksumKind kind, const QString &path)
{
    ChecksumKinds wanted;
    wanted.set(int(kind));
    return fileChecksums(path, wanted)[int(kind)];
}

void fillChecksumCells(FileEntry &entry, const QString &path, qint64 sizeBytes, const Settings &settings,
                       Language language)
{
    const bool german = isGerman(language);
    const QString notActivated =
        german ? QStringLiteral("Option nicht aktiviert.") : QStringLiteral("Option not activated.");
    const auto fillAll = [&](const QString &text) {
        for (int i = 0; i < ChecksumKindCount; ++i)
            entry.cells[CellMd5 + i] = text;
    };

    if (!settings.isOn(SettingsWindow::PB, QStringLiteral("act_checksum"))) {
        fillAll(notActivated);
        return;
    }
    const qint64 limitBytes =
        qint64(limitKb(settings.value(SettingsWindow::PB, QStringLiteral("act_checksum_max")))) * 1000;
    if (sizeBytes >= limitBytes) {
        fillAll(german ? QStringLiteral("Datei zu groß") : QStringLiteral("File too large"));
        return;
    }

    ChecksumKinds wanted;
    for (int i = 0; i < ChecksumKindCount; ++i)
        wanted[i] = settings.isOn(SettingsWindow::PB, QString::fromLatin1(enablingSettings[i]));
    const ChecksumResults results = fileChecksums(path, wanted);
    for (int i = 0; i < ChecksumKindCount; ++i)
        entry.cells[CellMd5 + i] = !wanted[i] ? notActivated : results[i].value_or(QString()).toUpper();
}
