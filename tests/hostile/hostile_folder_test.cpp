// Spoiled configuration folders through the real program: no folder at all, kinds files
// that are huge, invalid GBK, cut by a NUL or written with LF-only lines, standards files
// with an oversized value, duplicate sections and odd case, and kind names that try to
// climb out of 配置文件. The program starts, lists what it can and shows rows or the
// missing-data rows; no file outside 配置文件 is ever read.
#include "hostile_run.h"

#include "data/data_cipher.h"
#include "data/kinds_file.h"
#include "runtime/files.h"

#include <QDir>
#include <QFile>

namespace {

const char* const kTable = "1//5//5.44//50×37×4.5\r\n2//6.3//6.63//63×40×4.8\r\n";

QStringList displayed(const std::vector<std::string>& gbkTexts)
{
    QStringList texts;
    for (const std::string& text : gbkTexts)
        texts << rt::fromGbk(text);
    return texts;
}

std::string manyKinds(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "//" + test::gbk("种类") + std::to_string(i) + "\r\n";
    return text;
}

}  // namespace

class HostileFolderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::HostileRun> m_run;
    test::HostileRun& run() { return *m_run; }

    // A sealed table where the program itself would look for this kind's file.
    void writeTableForKind(const std::string& gbkKind, const char* utf8Table)
    {
        const std::string path = rt::nativePath(data::profileFilePath(run().dir().gbkPath(), gbkKind));
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string sealed = data::sealDataFile(test::gbk(utf8Table));
        file.write(sealed.data(), static_cast<qint64>(sealed.size()));
    }

private slots:
    void init() { m_run = std::make_unique<test::HostileRun>(); }
    void cleanup() { m_run.reset(); }

    void missingOrMisplacedFolderStillStarts_data()
    {
        QTest::addColumn<bool>("fileInstead");
        QTest::newRow("no 配置文件") << false;
        QTest::newRow("配置文件 is a file") << true;
    }
    void missingOrMisplacedFolderStillStarts()
    {
        QFETCH(bool, fileInstead);
        QVERIFY(QDir(run().dir().configPath(QString())).removeRecursively());
        if (fileInstead) {
            QFile file(run().dir().path() + QStringLiteral("/配置文件"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("1//槽钢\r\n");
        }
        run().start();
        QCOMPARE(run().items(), QStringList({"请下拉选择种类"}));
        run().verifyMissingDataRows();
        run().pick(0);  // the prompt item
        run().verifyMissingDataRows();
        run().verifyAnswersClick(4);
    }

    void spoiledKindsFileListsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("kinds");
        QTest::addColumn<int>("itemCount");  // after the prompt
        QTest::newRow("10,000 kinds") << QByteArray::fromStdString(manyKinds(10'000)) << 10'000;
        // The lead byte 0x80 takes the CR along: lines 3 and 4 are one.
        QTest::newRow("invalid GBK")
            << QByteArray("1//\x81\x20lead\r\n2//ok\xFF\xFF\r\n3//\x80\r\n4//tail\x81") << 3;
        QTest::newRow("a NUL ends the list")
            << QByteArray::fromStdString(test::gbk("1//槽钢\r\n2//工")) + QByteArray(1, '\0')
                   + QByteArray::fromStdString(test::gbk("字钢\r\n3//角钢\r\n"))
            << 2;
        QTest::newRow("LF-only lines are one line")
            << QByteArray::fromStdString(test::gbk("1//槽钢\n2//工字钢\n3//角钢\n")) << 1;
    }
    void spoiledKindsFileListsWhatItCan()
    {
        QFETCH(QByteArray, kinds);
        QFETCH(int, itemCount);
        const std::string bytes = kinds.toStdString();
        const std::vector<std::string> parsed = data::parseKinds(bytes);
        QCOMPARE(static_cast<int>(parsed.size()), itemCount);
        run().dir().writeBytes(QStringLiteral("1种类.ini"), bytes);
        writeTableForKind(parsed.back(), kTable);

        QElapsedTimer timer;
        timer.start();
        run().start();
        qInfo("%s: started with %d items in %lld ms", QTest::currentDataTag(),
              static_cast<int>(run().items().size()), timer.elapsed());
        QCOMPARE(run().items(), QStringList({"请下拉选择种类"}) + displayed(parsed));
        run().verifyMissingDataRows();

        // The last kind has a table, found by the very name the list shows, however odd.
        run().pick(itemCount);
        run().verifyRowsOf(test::gbk(kTable));
        if (itemCount > 1) {
            run().pick(1);
            run().verifyMissingDataRows();
        }
        run().verifyAnswersClick(1);
    }

    void spoiledStandardsFileShowsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("standards");
        QTest::addColumn<QString>("label");
        const std::string longAscii(20'000, 'x');
        std::string longWide;
        while (longWide.size() < 20'000)
            longWide += test::gbk("标");
        QTest::newRow("20,000-byte value cut to the lookup buffer")
            << QByteArray::fromStdString("[Kind]\r\n" + test::gbk("标准") + "=" + longAscii)
            << QString(10'239, 'x');
        QTest::newRow("20,000-byte value cut on a character boundary")
            << QByteArray::fromStdString("[Kind]\r\n" + test::gbk("标准") + "=" + longWide)
            << QString(10'238 / 2, QChar(u'标'));
        QTest::newRow("duplicate sections: the first holds")
            << QByteArray::fromStdString(test::gbk("[Kind]\r\n标准=first\r\n[Kind]\r\n标准=second\r\n"))
            << "first";
        QTest::newRow("duplicate sections: a later one when the first lacks the key")
            << QByteArray::fromStdString(test::gbk("[Kind]\r\nx=1\r\n[Kind]\r\n标准=second\r\n"))
            << "second";
        QTest::newRow("odd case and blanks")
            << QByteArray::fromStdString(test::gbk("\r\n  ; note\r\n\t[  kIND ]  \r\n\r\n  标准  =  GB 1  \r\n"))
            << "GB 1";
        QTest::newRow("binary noise") << QByteArray("\x81\xFF[\0]\r\n=\x80", 10) << "";
    }
    void spoiledStandardsFileShowsWhatItCan()
    {
        QFETCH(QByteArray, standards);
        QFETCH(QString, label);
        run().dir().writeKinds("1//Kind\r\n");
        run().dir().writeBytes(QStringLiteral("0标准配置.ini"), standards.toStdString());
        run().dir().writeTable(QStringLiteral("Kind"), kTable);
        run().start();
        run().pick(1);
        run().verifyRowsOf(test::gbk(kTable));
        QCOMPARE(run().standard(), label);
    }

    void kindNamesStayInsideTheFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a subfolder, backslash") << "sub\\inner" << true;
        QTest::newRow("a subfolder, slash") << "sub/inner" << true;
        QTest::newRow("dots inside a name") << "a..b" << true;
        QTest::newRow("two dots alone name the file ...kvd") << ".." << true;
        QTest::newRow("up, backslash") << "..\\outside" << false;
        QTest::newRow("up, slash") << "../outside" << false;
        QTest::newRow("up from a leading separator") << "\\..\\outside" << false;
        QTest::newRow("down then up twice") << "sub\\..\\..\\outside" << false;
        QTest::newRow("up and back in") << "..\\配置文件\\sub\\inner" << false;
        QTest::newRow("up past the root") << "..\\..\\..\\..\\..\\..\\..\\..\\tmp\\outside" << false;
    }
    void kindNamesStayInsideTheFolder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, loads);
        const QByteArray utf8Kind = kind.toUtf8();
        run().dir().writeKinds(("1//" + utf8Kind + "\r\n").constData());
        QVERIFY(QDir(run().dir().configPath(QString())).mkdir(QStringLiteral("sub")));
        for (const QString& inside : {QStringLiteral("sub/inner.kvd"), QStringLiteral("a..b.kvd"),
                                      QStringLiteral("...kvd")})
            run().dir().writeBytes(inside, data::sealDataFile(test::gbk(kTable)));
        // A perfectly good table beside 配置文件, where a climbing name would find it.
        QFile outside(run().dir().path() + QStringLiteral("/outside.kvd"));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write(QByteArray::fromStdString(data::sealDataFile(test::gbk(kTable))));
        outside.close();

        run().start();
        run().pick(1);
        if (loads)
            run().verifyRowsOf(test::gbk(kTable));
        else
            run().verifyMissingDataRows();
        run().verifyAnswersClick(0);
    }
};

QTEST_MAIN(HostileFolderTest)
#include "hostile_folder_test.moc"
