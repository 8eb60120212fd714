// Spoiled data files through the real program: a directory, an unreadable file, files too
// short or too large, noise inside a valid container, a lone lead byte, a 1 MB line and
// 100,000 rows. Each pick ends in the rows the parser finds, or in the missing-data rows;
// the window then still computes from a clicked row, and a good kind still loads.
#include "hostile_run.h"

#include "data/data_cipher.h"

#include <QFile>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Spoil {
    Directory, Unreadable, Empty, SevenBytes, EightBytesNoise, EightByteContainer,
    HundredMegabytes, HundredMegabytesNoise, NoiseInContainer, LoneLeadByteAtEnd,
    MegabyteLine, HundredThousandRows,
};
enum class Expect { Rows, MissingData };

const char* const kGoodTable = "1//5//5.44//50×37×4.5\r\n2//6.3//6.63//63×40×4.8\r\n";

// Deterministic bytes, so a failure can be replayed.
class Noise {
public:
    unsigned char next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned char>(m_state >> 56);
    }

private:
    std::uint64_t m_state = 0x5EED;
};

std::string noise(std::size_t size)
{
    Noise source;
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(source.next());
    return bytes;
}

// Binary cells on lines that do split into rows: random bytes without NUL, with field and
// line separators mixed in often enough to make rows.
std::string binaryTable(std::size_t size)
{
    Noise source;
    std::string text;
    while (text.size() < size) {
        const unsigned char pick = source.next();
        if (pick < 40)
            text += "//";
        else if (pick < 52)
            text += "\r\n";
        else
            text += static_cast<char>(source.next() | 1);
    }
    return text;
}

std::string rows(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "//HN" + std::to_string(100 + i) + "x" + std::to_string(i % 97)
              + "//" + std::to_string(i % 500) + "." + std::to_string(i % 10) + "//r" + std::to_string(i)
              + "\r\n";
    return text;
}

// The plaintext of the spoiled file, when it is a container; empty otherwise.
std::string plaintextFor(Spoil spoil)
{
    switch (spoil) {
    case Spoil::Unreadable: return test::gbk(kGoodTable);  // would load, were it readable
    case Spoil::EightByteContainer: return "1//2";
    case Spoil::NoiseInContainer: return binaryTable(64 * 1024);
    case Spoil::LoneLeadByteAtEnd: return "1//a//1.5//x\r\n2//b//2.5//y\x81";
    case Spoil::MegabyteLine:
        return "1//long weight//2." + std::string(1 << 20, '5') + "//x\r\n2//long other//3//"
             + std::string(1 << 20, 'y') + "\r\n";
    case Spoil::HundredThousandRows: return rows(100'000);
    case Spoil::HundredMegabytes: {
        // Ten thousand rows, then notes to 100 MB: every byte is deciphered and split.
        std::string text = rows(10'000);
        const std::string note = "note " + std::string(1000, 'n') + "\r\n";
        while (text.size() < 100u << 20)
            text += note;
        return text;
    }
    default: return {};
    }
}

std::string fileBytesFor(Spoil spoil)
{
    switch (spoil) {
    case Spoil::SevenBytes: return noise(7);
    case Spoil::EightBytesNoise: return noise(8);
    case Spoil::HundredMegabytesNoise: return noise(100u << 20);
    case Spoil::Empty: return {};
    default: return data::sealDataFile(plaintextFor(spoil));
    }
}

}  // namespace

Q_DECLARE_METATYPE(Spoil)
Q_DECLARE_METATYPE(Expect)

class HostileDataFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::HostileRun> m_run;
    test::HostileRun& run() { return *m_run; }

    // Root reads any file whatever its mode; checking access as "nobody" for the length
    // of the pick makes the mode count.
    qint64 pickUnreadable(int item)
    {
        if (geteuid() != 0)
            return run().pick(item);
        for (const QString& folder : {run().dir().path(), run().dir().configPath(QString())})
            ::chmod(QFile::encodeName(folder).constData(), 0755);
        setfsuid(65534);
        const qint64 ms = run().pick(item);
        setfsuid(0);
        return ms;
    }

private slots:
    void init()
    {
        m_run = std::make_unique<test::HostileRun>();
        m_run->dir().writeKinds("1//槽钢\r\n2//坏钢\r\n");
        m_run->dir().writeStandards("[坏钢]\r\n标准=GB/T 1-2000\r\n");
        m_run->dir().writeTable(QStringLiteral("槽钢"), kGoodTable);
    }
    void cleanup() { m_run.reset(); }

    void spoiledDataFileEndsInADefinedState_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<Expect>("expect");
        QTest::newRow("a directory") << Spoil::Directory << Expect::MissingData;
        QTest::newRow("unreadable") << Spoil::Unreadable << Expect::MissingData;
        QTest::newRow("empty") << Spoil::Empty << Expect::MissingData;
        QTest::newRow("7 bytes") << Spoil::SevenBytes << Expect::MissingData;
        QTest::newRow("8 bytes of noise") << Spoil::EightBytesNoise << Expect::MissingData;
        QTest::newRow("8-byte container: too small for a row")
            << Spoil::EightByteContainer << Expect::MissingData;
        QTest::newRow("100 MB of noise") << Spoil::HundredMegabytesNoise << Expect::MissingData;
        QTest::newRow("100 MB container") << Spoil::HundredMegabytes << Expect::Rows;
        QTest::newRow("binary noise in a valid container") << Spoil::NoiseInContainer << Expect::Rows;
        QTest::newRow("lone lead byte at the end") << Spoil::LoneLeadByteAtEnd << Expect::Rows;
        QTest::newRow("1 MB lines") << Spoil::MegabyteLine << Expect::Rows;
        QTest::newRow("100,000 rows") << Spoil::HundredThousandRows << Expect::Rows;
    }
    void spoiledDataFileEndsInADefinedState()
    {
        QFETCH(Spoil, spoil);
        QFETCH(Expect, expect);
        const QString name = QStringLiteral("坏钢.kvd");
        const std::string bytes = fileBytesFor(spoil);
        if (spoil == Spoil::Directory) {
            QVERIFY(QDir(run().dir().configPath(QString())).mkdir(name));
        } else {
            run().dir().writeBytes(name, bytes);
            if (spoil == Spoil::Unreadable)
                QVERIFY(QFile::setPermissions(run().dir().configPath(name), {}));
        }
        run().start();

        const qint64 ms = spoil == Spoil::Unreadable ? pickUnreadable(2) : run().pick(2);
        qInfo("%s: %d rows in %lld ms", QTest::currentDataTag(), run().rowCount(), ms);
        if (expect == Expect::MissingData) {
            run().verifyMissingDataRows();
        } else {
            QVERIFY(run().rowCount() > 0 && run().cell(0, 0) != QStringLiteral("小?:"));
            QCOMPARE(run().standard(), QStringLiteral("GB/T 1-2000"));
        }
        // The oracle: whatever the cipher and the parser make of the bytes.
        if (spoil != Spoil::Directory && spoil != Spoil::Unreadable)
            run().verifyRowsOf(data::openDataFile(bytes));
        if (QTest::currentTestFailed())
            return;

        run().verifyAnswersClick(0);
        run().verifyAnswersClick(run().rowCount() - 1);
        run().pick(1);
        run().verifyRowsOf(test::gbk(kGoodTable));
    }
};

QTEST_MAIN(HostileDataFilesTest)
#include "hostile_data_files_test.moc"
