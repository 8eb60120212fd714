// The calculator end to end through its real controls: kinds listed from the kinds file, a
// pick loads the kind's sealed table and its standard, a row click and every field edit
// recompute, and every kind of bad data file ends in the missing-data rows.
#include "event_log.h"
#include "ui_harness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyleHints>

using rt::WindowId;
namespace prop = rt::prop;

namespace {

const char* const kChannels =
    "1//5//5.44//50×37×4.5\r\n"
    "2//6.3//6.63//63×40×4.8\r\n"
    "3//8//8.04//80×43×5.0\r\n"
    "4//test//7.85//plain\r\n"
    "5//ribs//31.9//plain\r\n";

QStringList comboItems(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

}  // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RunDir> m_runDir;
    std::unique_ptr<test::Harness> m_harness;
    test::Harness& h() { return *m_harness; }

    void startWith(const char* kinds)
    {
        m_runDir->writeKinds(kinds);
        m_harness = std::make_unique<test::Harness>(*m_runDir);
        h().start();
    }
    // Picks a kind the way a user does: drop the list down and click the item.
    void pickKindWithMouse(int item)
    {
        auto* combo = h().control<QComboBox>("选择种类");
        QTest::mouseClick(combo, Qt::LeftButton);
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        const QRect rect = list->visualRect(list->model()->index(item, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTRY_VERIFY(!list->isVisible());
    }
    void pickKindWithKeys(int item)
    {
        auto* combo = h().control<QComboBox>("选择种类");
        combo->setFocus();
        while (combo->currentIndex() < item)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > item)
            QTest::keyClick(combo, Qt::Key_Up);
    }
    void clickRow(int row)
    {
        auto* view = h().control<rt::ReportListView>("显示数据");
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Replaces a field's text by typing, then moves the focus on, as a user does.
    void type(const char* field, const QString& text)
    {
        auto* edit = h().control<QLineEdit>(field);
        if (!edit->isVisible())
            QTest::mouseClick(h().control("其它按钮"), Qt::LeftButton);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
        h().control<QWidget>("显示数据")->setFocus();
    }
    QStringList results()
    {
        return {h().text("单位重量"), h().text("结果2"), h().text("结果3"), h().text("结果4")};
    }
    int rowCount() { return h().control<rt::ReportListView>("显示数据")->model()->rowCount(); }
    QString cell(int row, int column)
    {
        return h().control<rt::ReportListView>("显示数据")->rows()->cell(row, column);
    }
    QString standard() { return h().control<rt::TransparentLabel>("钢材标准")->caption(); }
    void verifyMissingDataRows()
    {
        QCOMPARE(rowCount(), 6);
        QCOMPARE(cell(0, 0), QStringLiteral("小?:"));
        QCOMPARE(cell(3, 1), QStringLiteral("给我一块钱我就告诉你"));
        QCOMPARE(cell(5, 1), QStringLiteral("请修复数据!!!"));
        QVERIFY(standard().startsWith(QStringLiteral("没有找到数据文件,")));
    }

private slots:
    void init()
    {
        m_runDir = std::make_unique<test::RunDir>();
        m_runDir->writeStandards("[槽钢]\r\n标准=GB/T 706-2016\r\n");
        m_runDir->writeTable(QStringLiteral("槽钢"), kChannels);
    }
    void cleanup()
    {
        m_harness.reset();
        m_runDir.reset();
    }

    void pickLoadsTheTableAndStandardWithoutSelectingARow()
    {
        startWith("1//槽钢\r\n2//工字钢\r\n");
        QCOMPARE(comboItems(h().control<QComboBox>("选择种类")),
                 QStringList({"请下拉选择种类", "槽钢", "工字钢"}));
        pickKindWithMouse(1);
        QCOMPARE(h().text("Verrant"), QStringLiteral("槽钢"));
        QCOMPARE(rowCount(), 5);
        QCOMPARE(cell(0, 1), QStringLiteral("5"));
        QCOMPARE(cell(2, 3), QStringLiteral("80×43×5.0"));
        QCOMPARE(standard(), QStringLiteral("GB/T 706-2016"));
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
        QCOMPARE(results(), QStringList({"77.77", "77.77", "77.77", "77.77"}));
    }

    void rowClickAndFieldEditsRecompute()
    {
        startWith("1//槽钢\r\n");
        pickKindWithKeys(1);
        clickRow(3);  // 7.85 kg/m
        QCOMPARE(results(), QStringList({"7.85", "7.85", "98.981", "8.248"}));
        type("密度", "7930");
        QCOMPARE(results(), QStringList({"7.93", "7.93", "97.982", "8.165"}));
        type("密度", "7850");
        clickRow(4);  // 31.9 kg/m
        type("参数1", "10");
        type("参数2", "6");
        type("参数3", "1000");
        type("参数4", "9");
        type("小数位数", "2");
        QCOMPARE(results(), QStringList({"31.9", "1914", "31.35", "3.48"}));
        type("小数位数", "3");
        QCOMPARE(results(), QStringList({"31.9", "1914", "31.348", "3.483"}));
        type("小数位数", "");
        QCOMPARE(results(), QStringList({"32", "1920", "31", "3"}));
    }

    void editsWithNoRowSelectedComputeFromAnEmptyUnitWeight()
    {
        startWith("1//槽钢\r\n");
        type("参数1", "2");
        QCOMPARE(results(), QStringList({"0", "0", "1.#INF", "0.083"}));
        type("参数3", "0");
        QCOMPARE(results(), QStringList({"0", "0", "-1.#IND", "-0.083"}));
    }

    void piEditRecalculatesAndChangesNothing()
    {
        startWith("1//槽钢\r\n");
        pickKindWithKeys(1);
        clickRow(0);
        const QStringList before = results();
        test::EventLog log(h().runtime());
        type("圆周率", "3.14");
        QCOMPARE(results(), before);
        QVERIFY(log.count("单位重量", rt::Event::ContentChanged) >= 1);
    }

    void reclickingTheFocusedRowDoesNotRecalculate()
    {
        startWith("1//槽钢\r\n");
        pickKindWithKeys(1);
        clickRow(0);
        test::EventLog log(h().runtime());
        clickRow(0);
        QCOMPARE(log.count("单位重量", rt::Event::ContentChanged), 0);
        clickRow(1);
        QCOMPARE(log.count("单位重量", rt::Event::ContentChanged), 1);
    }

    void pickingTheSameKindAgainReloadsAndClearsTheSelection()
    {
        startWith("1//槽钢\r\n");
        pickKindWithKeys(1);
        clickRow(2);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), 2);
        pickKindWithMouse(1);
        QCOMPARE(rowCount(), 5);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
        QCOMPARE(h().text("单位重量"), QStringLiteral("8.04"));  // results keep their texts
    }

    void badDataFilesShowTheMissingDataRows_data()
    {
        QTest::addColumn<QByteArray>("fileBytes");  // empty: no file at all
        QTest::addColumn<bool>("present");
        const std::string wrongPassword = data::sealDataFile(test::gbk(kChannels), "other");
        std::string damaged = data::sealDataFile(test::gbk(kChannels));
        damaged[3] ^= 0x5A;
        std::string noise(4000, '\0');
        for (std::size_t i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 131 + 7) & 0xFF);
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("wrong password") << QByteArray::fromStdString(wrongPassword) << true;
        QTest::newRow("damaged prefix") << QByteArray::fromStdString(damaged) << true;
        QTest::newRow("noise") << QByteArray::fromStdString(noise) << true;
        QTest::newRow("not whole blocks") << QByteArray("1234567890") << true;
        QTest::newRow("no line with four fields")
            << QByteArray::fromStdString(data::sealDataFile("1//a//2\r\nnote\r\n")) << true;
    }
    void badDataFilesShowTheMissingDataRows()
    {
        QFETCH(QByteArray, fileBytes);
        QFETCH(bool, present);
        m_runDir->writeStandards("[坏钢]\r\n标准=GB/T 1-2000\r\n");
        if (present)
            m_runDir->writeBytes(QStringLiteral("坏钢.kvd"), fileBytes.toStdString());
        startWith("1//坏钢\r\n");
        pickKindWithKeys(1);
        verifyMissingDataRows();
        clickRow(4);  // a dialogue row has no unit weight
        QCOMPARE(h().text("单位重量"), QStringLiteral("0"));
    }

    void aFailedLoadAfterAGoodOneLeavesOnlyTheDialogue()
    {
        startWith("1//槽钢\r\n2//缺失\r\n");
        pickKindWithKeys(1);
        QCOMPARE(rowCount(), 5);
        pickKindWithKeys(2);
        verifyMissingDataRows();
    }

    void aKindWithoutStandardShowsRowsAndAnEmptyLabel()
    {
        m_runDir->writeTable(QStringLiteral("扁钢"), "1//3×20//0.47//3×20\r\n");
        startWith("1//扁钢\r\n");
        pickKindWithKeys(1);
        QCOMPARE(rowCount(), 1);
        QCOMPARE(standard(), QString());
    }

    void kindsFileQuirks_data()
    {
        static const char kWithNul[] = "1//槽钢\r\n2//工\0字钢\r\n";
        QTest::addColumn<QByteArray>("kinds");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("LF-only lines are one line")
            << QByteArray("1//槽钢\n2//工字钢\n") << QStringList({"槽钢\n2"});
        QTest::newRow("a NUL ends the list")
            << QByteArray(kWithNul, sizeof kWithNul - 1) << QStringList({"槽钢", "工"});
        QTest::newRow("blanks and duplicates stay")
            << QByteArray("1// 槽钢 \r\n2//槽钢\r\n3//槽钢//x\r\nnote\r\n1//\r\n")
            << QStringList({" 槽钢 ", "槽钢", "槽钢"});
        QTest::newRow("empty file") << QByteArray() << QStringList();
    }
    void kindsFileQuirks()
    {
        QFETCH(QByteArray, kinds);
        QFETCH(QStringList, items);
        m_runDir->writeBytes(QStringLiteral("1种类.ini"), rt::utf8ToGbk(kinds.toStdString()));
        m_harness = std::make_unique<test::Harness>(*m_runDir);
        h().start();
        QCOMPARE(comboItems(h().control<QComboBox>("选择种类")),
                 QStringList({"请下拉选择种类"}) + items);
        verifyMissingDataRows();  // the start-up load is for the prompt
    }

    void aMissingConfigurationFolderStillStarts()
    {
        QDir(m_runDir->configPath(QString())).removeRecursively();
        m_harness = std::make_unique<test::Harness>(*m_runDir);
        h().start();
        QCOMPARE(h().control<QComboBox>("选择种类")->count(), 1);
        verifyMissingDataRows();
    }
};

QTEST_MAIN(CalculatorTest)
#include "calculator_test.moc"
