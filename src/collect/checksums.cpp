#include "collect/checksums.h"

#include "collect/crc32_bzip2.h"
#include "collect/crc32_iso_hdlc.h"
#include "collect/system_path.h"
#include "common/language.h"
#include "common/settings.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <thread>
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

// The library's digests, fetched once for the run: an implicit fetch per file costs more than
// digesting a small file.
const EVP_MD *evpDigest(ChecksumKind kind)
{
    static const std::array<EVP_MD *, DigestKindCount> digests = [] {
        std::array<EVP_MD *, DigestKindCount> fetched{};
        fetched[int(ChecksumKind::MD5)] = EVP_MD_fetch(nullptr, "MD5", nullptr);
        fetched[int(ChecksumKind::SHA1)] = EVP_MD_fetch(nullptr, "SHA1", nullptr);
        fetched[int(ChecksumKind::SHA256)] = EVP_MD_fetch(nullptr, "SHA256", nullptr);
        fetched[int(ChecksumKind::SHA512)] = EVP_MD_fetch(nullptr, "SHA512", nullptr);
        return fetched;
    }();
    return digests[int(kind)];
}

// Rough cost per byte of each kind, to share the kinds of a large file out evenly.
constexpr std::array<double, DigestKindCount> costPerByte = {1.4, 0.6, 0.55, 0.6, 1.4, 0.6};

// Files from this size on are announced as read from start to end.
constexpr qint64 SequentialHintFrom = qint64(1) << 20;

// Files from this size on have their digests shared out over two threads.
constexpr qint64 SharedDigestsFrom = qint64(16) << 20;

QString hexText(const unsigned char *bytes, std::size_t length, HexCase letters)
{
    const char *digits = letters == HexCase::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
    QString text(qsizetype(2 * length), Qt::Uninitialized);
    QChar *out = text.data();
    for (std::size_t i = 0; i < length; ++i) {
        *out++ = QLatin1Char(digits[bytes[i] >> 4]);
        *out++ = QLatin1Char(digits[bytes[i] & 15]);
    }
    return text;
}

// The running states of every wanted kind, fed with the same blocks.
class DigestStates {
public:
    explicit DigestStates(ChecksumKinds wanted)
        : m_crcWanted(wanted[int(ChecksumKind::CRC32)]), m_isoCrcWanted(wanted[int(ChecksumKind::CRC32IsoHdlc)])
    {
        for (int i = 0; i < DigestKindCount; ++i) {
            const EVP_MD *digest = evpDigest(ChecksumKind(i));
            if (!wanted[i] || !digest)
                continue;
            // A context of an earlier file on this thread is used again: small files would
            // otherwise spend more on making contexts than on digesting.
            EvpContext context = std::move(spareContexts[i]);
            if (!context)
                context.reset(EVP_MD_CTX_new());
            // A digest the library refuses (a restricted build) leaves only its own kind without result.
            if (context && EVP_DigestInit_ex(context.get(), digest, nullptr) == 1)
                m_contexts[i] = std::move(context);
        }
    }
    ~DigestStates()
    {
        for (int i = 0; i < DigestKindCount; ++i)
            if (m_contexts[i] && EVP_MD_CTX_reset(m_contexts[i].get()) == 1)
                spareContexts[i] = std::move(m_contexts[i]);
    }
    DigestStates(const DigestStates &) = delete;
    DigestStates &operator=(const DigestStates &) = delete;

    void update(const unsigned char *data, std::size_t length)
    {
        for (EvpContext &context : m_contexts)
            if (context && EVP_DigestUpdate(context.get(), data, length) != 1)
                context.reset();
        if (m_crcWanted)
            m_crc.update(data, length);
        if (m_isoCrcWanted)
            m_isoCrc.update(data, length);
    }

    ChecksumResults finish(HexCase letters)
    {
        ChecksumResults results{};
        for (int i = 0; i < DigestKindCount; ++i) {
            unsigned char digest[EVP_MAX_MD_SIZE];
            unsigned int length = 0;
            if (m_contexts[i] && EVP_DigestFinal_ex(m_contexts[i].get(), digest, &length) == 1)
                results[i] = hexText(digest, length, letters);
        }
        if (m_crcWanted) {
            // Least significant byte first.
            const std::uint32_t value = m_crc.value();
            const unsigned char bytes[4] = {
                static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
            results[int(ChecksumKind::CRC32)] = hexText(bytes, sizeof bytes, letters);
        }
        if (m_isoCrcWanted) {
            // Written as a number, most significant byte first.
            const std::uint32_t value = m_isoCrc.value();
            const unsigned char bytes[4] = {
                static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
                static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
            results[int(ChecksumKind::CRC32IsoHdlc)] = hexText(bytes, sizeof bytes, letters);
        }
        return results;
    }

private:
    static thread_local std::array<EvpContext, DigestKindCount> spareContexts;

    std::array<EvpContext, DigestKindCount> m_contexts;
    Crc32Bzip2 m_crc;
    Crc32IsoHdlc m_isoCrc;
    bool m_crcWanted;
    bool m_isoCrcWanted;
};

thread_local std::array<EvpContext, DigestKindCount> DigestStates::spareContexts;

// Reads the next block; the bytes read, or 0 when the file ended early or failed.
std::size_t readBlock(int fd, unsigned char *buffer, qint64 remaining, std::size_t bufferSize)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, std::size_t(std::min<qint64>(remaining, qint64(bufferSize))));
        if (got < 0 && errno == EINTR)
            continue;
        return got > 0 ? std::size_t(got) : 0;
    }
}

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// Feeds every block to every wanted kind on this thread; false when the file could not be read
// to its end.
bool digestAlone(int fd, qint64 size, DigestStates &states, const std::atomic<bool> *stop)
{
    // One buffer per thread for the run: a fresh one per file would cost more than a small
    // file's digests.
    thread_local const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(BufferSize);
    for (qint64 remaining = size; remaining > 0;) {
        const std::size_t got = readBlock(fd, buffer.get(), remaining, BufferSize);
        if (got == 0 || stopped(stop)) // shrunk or unreadable: a digest of part of the file would mislead
            return false;
        states.update(buffer.get(), got);
        remaining -= qint64(got);
    }
    return true;
}

// Two shares of the wanted kinds with about equal work.
std::array<ChecksumKinds, 2> sharedOut(ChecksumKinds wanted)
{
    std::array<ChecksumKinds, 2> shares;
    std::array<double, 2> load{};
    std::array<int, DigestKindCount> order{0, 1, 2, 3, 4, 5};
    std::sort(order.begin(), order.end(), [](int a, int b) { return costPerByte[a] > costPerByte[b]; });
    for (const int kind : order)
        if (wanted[kind]) {
            const int lighter = load[0] <= load[1] ? 0 : 1;
            shares[lighter].set(kind);
            load[lighter] += costPerByte[kind];
        }
    return shares;
}

// This thread reads blocks into a ring and feeds its share of the kinds; a helper thread feeds
// the other share from the same blocks. A block is read again only when both are done with it.
class SharedDigests {
public:
    static constexpr int RingSize = 4;
    static constexpr std::size_t BlockSize = 1024 * 1024;

    bool run(int fd, qint64 size, DigestStates &mine, DigestStates &theirs, const std::atomic<bool> *stop)
    {
        for (auto &block : m_blocks)
            block = std::make_unique_for_overwrite<unsigned char[]>(BlockSize);
        std::thread helper([&] { feedHelper(theirs); });
        bool whole = true;
        for (qint64 remaining = size, block = 0; remaining > 0; ++block) {
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return block - m_helperDone < RingSize; });
            }
            const int slot = int(block % RingSize);
            const std::size_t got = readBlock(fd, m_blocks[slot].get(), remaining, BlockSize);
            if (got == 0 || stopped(stop)) {
                whole = false;
                break;
            }
            {
                const std::lock_guard lock(m_mutex);
                m_lengths[slot] = got;
                ++m_read;
            }
            m_changed.notify_all();
            mine.update(m_blocks[slot].get(), got);
            remaining -= qint64(got);
        }
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_changed.notify_all();
        helper.join();
        return whole;
    }

private:
    void feedHelper(DigestStates &states)
    {
        for (qint64 block = 0;; ++block) {
            std::size_t length;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_read > block || m_finished; });
                if (m_read <= block)
                    return;
                length = m_lengths[block % RingSize];
            }
            states.update(m_blocks[block % RingSize].get(), length);
            {
                const std::lock_guard lock(m_mutex);
                m_helperDone = block + 1;
            }
            m_changed.notify_all();
        }
    }

    std::array<std::unique_ptr<unsigned char[]>, RingSize> m_blocks;
    std::array<std::size_t, RingSize> m_lengths{};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qint64 m_read = 0;       // blocks read so far
    qint64 m_helperDone = 0; // blocks the helper has fed
    bool m_finished = false;
};

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

constexpr CheckSetting enablingSettings[ChecksumKindCount] = {PB::act_checksum_md5, PB::act_checksum_crc,
                                                              PB::act_checksum_sha1, PB::act_checksum_sha256,
                                                              PB::act_checksum_sha512};

} // namespace

ChecksumResults openedFileChecksums(int fd, qint64 size, ChecksumKinds wanted, const std::atomic<bool> *stop,
                                    HexCase letters)
{
    const ChecksumResults none{};
    // The system's own read-ahead suits small files; large ones are read ahead further.
    if (size >= SequentialHintFrom)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    if (size >= SharedDigestsFrom && wanted.count() > 1 && std::thread::hardware_concurrency() > 1) {
        const std::array<ChecksumKinds, 2> shares = sharedOut(wanted);
        DigestStates mine(shares[0]);
        DigestStates theirs(shares[1]);
        if (!SharedDigests().run(fd, size, mine, theirs, stop))
            return none;
        ChecksumResults results = mine.finish(letters);
        const ChecksumResults other = theirs.finish(letters);
        for (int i = 0; i < DigestKindCount; ++i)
            if (shares[1][i])
                results[i] = other[i];
        return results;
    }
    DigestStates states(wanted);
    if (!digestAlone(fd, size, states, stop))
        return none;
    return states.finish(letters);
}

ChecksumResults fileChecksums(const QByteArray &systemPath, ChecksumKinds wanted,
                              const std::atomic<bool> *stop)
{
    if (wanted.none())
        return {};
    // Non-blocking, so that a named pipe cannot stall the open; only regular files are read.
    const FileDescriptor file(openPath(systemPath, O_RDONLY | O_NONBLOCK));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    // Only the size measured now is digested: bytes appended meanwhile are left out.
    return openedFileChecksums(file.get(), info.st_size, wanted, stop);
}

ChecksumResults fileChecksums(const QString &path, ChecksumKinds wanted)
{
    return fileChecksums(encodedPath(path), wanted);
}

ChecksumPlan checksumPlan(const Settings &settings, Language language)
{
    const bool german = isGerman(language);
    ChecksumPlan plan;
    plan.notActivated =
        german ? QStringLiteral("Option nicht aktiviert.") : QStringLiteral("Option not activated.");
    plan.tooLarge = german ? QStringLiteral("Datei zu groß") : QStringLiteral("File too large");
    plan.active = settings.isOn(PB::act_checksum);
    plan.limitBytes = qint64(limitKb(settings.value(PB::act_checksum_max))) * 1000;
    for (int i = 0; i < ChecksumKindCount; ++i)
        plan.wanted[i] = settings.isOn(enablingSettings[i]);
    return plan;
}

void fillChecksumCells(FileEntry &entry, int fileFd, qint64 sizeBytes, const ChecksumPlan &plan,
                       const std::atomic<bool> *stop)
{
    const auto fillAll = [&](const QString &text) {
        for (int i = 0; i < ChecksumKindCount; ++i)
            entry.cells[CellMd5 + i] = text;
    };
    if (!plan.active) {
        fillAll(plan.notActivated);
        return;
    }
    if (sizeBytes >= plan.limitBytes) {
        fillAll(plan.tooLarge);
        return;
    }
    const ChecksumResults results =
        fileFd < 0 || plan.wanted.none()
            ? ChecksumResults{}
            : openedFileChecksums(fileFd, sizeBytes, plan.wanted, stop, HexCase::Upper);
    for (int i = 0; i < ChecksumKindCount; ++i)
        entry.cells[CellMd5 + i] = !plan.wanted[i] ? plan.notActivated : results[i].value_or(QString());
}
