#include "desktop/process/MemoryPages.h"
#include "support/FailOnWarnings.h"

#include <QTest>
#include <cstdio>
#include <sys/mman.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace
{

// Fresh anonymous pages, none present until written or populated.
class FreshPages
{
public:
    explicit FreshPages(std::size_t count, int protection = PROT_READ | PROT_WRITE)
        : m_bytes(count * pageSize())
    {
        void *memory =
            mmap(nullptr, m_bytes, protection, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        m_data = memory == MAP_FAILED ? nullptr : static_cast<unsigned char *>(memory);
    }
    ~FreshPages()
    {
        if (m_data)
            munmap(m_data, m_bytes);
    }
    FreshPages(const FreshPages &) = delete;
    FreshPages &operator=(const FreshPages &) = delete;

    static std::size_t pageSize() { return std::size_t(sysconf(_SC_PAGESIZE)); }
    unsigned char *data() const { return m_data; }

    // Which pages are present, as the kernel reports them.
    QList<bool> present() const
    {
        std::vector<unsigned char> flags(m_bytes / pageSize());
        if (mincore(m_data, m_bytes, flags.data()) != 0)
            return {};
        QList<bool> result;
        for (unsigned char flag : flags)
            result.append((flag & 1) != 0);
        return result;
    }

private:
    std::size_t m_bytes;
    unsigned char *m_data = nullptr;
};

// Whether the running kernel can make pages present in one call: Linux 5.14
// and later can. Decided by the kernel's version, never by the function under
// test, so that a fault of the function fails the test instead of skipping it.
bool kernelPopulates(QByteArray &release)
{
    utsname system{};
    if (uname(&system) != 0)
        return false;
    release = QByteArray(system.sysname) + ' ' + system.release;
    int major = 0;
    int minor = 0;
    if (qstrcmp(system.sysname, "Linux") != 0 ||
        std::sscanf(system.release, "%d.%d", &major, &minor) != 2)
        return false;
    return major > 5 || (major == 5 && minor >= 14);
}

} // namespace

class TestMemoryPages : public FailOnWarnings
{
    Q_OBJECT

    void initTest() override;

private slots:
    void everyPageOfTheRangeAndNoOther_data();
    void everyPageOfTheRangeAndNoOther();
    void contentsKept();
    void refusedWithoutHarm_data();
    void refusedWithoutHarm();
};

void TestMemoryPages::initTest()
{
    QByteArray release;
    if (!kernelPopulates(release))
        QSKIP(qPrintable(QStringLiteral("%1 cannot make pages present in one call (Linux 5.14 "
                                        "or later can)")
                             .arg(QString::fromLatin1(release))));
}

void TestMemoryPages::everyPageOfTheRangeAndNoOther_data()
{
    const qsizetype page = qsizetype(FreshPages::pageSize());
    QTest::addColumn<qsizetype>("offset");
    QTest::addColumn<qsizetype>("bytes");
    QTest::addColumn<QList<bool>>("present");
    QTest::newRow("whole pages") << page << 2 * page
                                 << QList<bool>{false, true, true, false, false};
    QTest::newRow("starting inside a page")
        << page + 100 << 2 * page << QList<bool>{false, true, true, true, false};
    QTest::newRow("ending one byte into a page")
        << qsizetype(0) << page + 1 << QList<bool>{true, true, false, false, false};
    QTest::newRow("the last byte of a page")
        << 3 * page - 1 << qsizetype(1) << QList<bool>{false, false, true, false, false};
}

void TestMemoryPages::everyPageOfTheRangeAndNoOther()
{
    QFETCH(qsizetype, offset);
    QFETCH(qsizetype, bytes);
    QFETCH(QList<bool>, present);
    FreshPages pages(5);
    QVERIFY(pages.data());
    QCOMPARE(pages.present(), QList<bool>(5, false));

    QVERIFY(MemoryPages::makePresent(pages.data() + offset, std::size_t(bytes)));
    QCOMPARE(pages.present(), present);
}

void TestMemoryPages::contentsKept()
{
    const std::size_t page = FreshPages::pageSize();
    FreshPages pages(3);
    QVERIFY(pages.data());
    for (std::size_t i = 0; i < page; ++i)
        pages.data()[page + i] = static_cast<unsigned char>(i * 7 + 1);

    QVERIFY(MemoryPages::makePresent(pages.data(), 3 * page));
    for (std::size_t i = 0; i < page; ++i)
        QCOMPARE(pages.data()[page + i], static_cast<unsigned char>(i * 7 + 1));
    QCOMPARE(pages.data()[0], static_cast<unsigned char>(0));
    QCOMPARE(pages.data()[2 * page], static_cast<unsigned char>(0));
}

void TestMemoryPages::refusedWithoutHarm_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("nothing");
    QTest::newRow("read-only memory") << true << false;
    QTest::newRow("no bytes") << false << true;
}

void TestMemoryPages::refusedWithoutHarm()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, nothing);
    FreshPages pages(2, readOnly ? PROT_READ : PROT_READ | PROT_WRITE);
    QVERIFY(pages.data());

    QVERIFY(!MemoryPages::makePresent(pages.data(), nothing ? 0 : 2 * FreshPages::pageSize()));
    QCOMPARE(pages.present(), QList<bool>(2, false));
    QVERIFY(!MemoryPages::makePresent(nullptr, 100));
}

QTEST_APPLESS_MAIN(TestMemoryPages)
#include "tst_memorypages.moc"
