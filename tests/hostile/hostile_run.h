// The program started on a configuration folder a test has spoiled on purpose, and the
// checks every such test ends with: the window shows either the rows the core's own parser
// finds in the data, or the six missing-data rows with the no-data notice, and it still
// answers a click. Loads are timed and the times printed: they are figures for the reader,
// never a pass mark.
#pragma once

#include "calc/compute_results.h"
#include "data/profile_data.h"
#include "runtime/qt/gbk_qt.h"
#include "tests/ui/ui_harness.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <memory>
#include <string>
#include <vector>

namespace test {

class HostileRun {
public:
    HostileRun() : m_dir(std::make_unique<RunDir>()) {}

    RunDir& dir() { return *m_dir; }
    Harness& harness() { return *m_harness; }

    void start()
    {
        m_harness = std::make_unique<Harness>(*m_dir);
        m_harness->start();
    }

    // Picks a selector item as the keyboard does, in one step however far down it is.
    // Returns the milliseconds the pick (and so the load) took.
    qint64 pick(int item)
    {
        auto* combo = m_harness->control<QComboBox>("选择种类");
        combo->setFocus();
        combo->setCurrentIndex(item - 1);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(combo, Qt::Key_Down);
        return timer.elapsed();
    }

    QStringList items()
    {
        auto* combo = m_harness->control<QComboBox>("选择种类");
        QStringList all;
        for (int i = 0; i < combo->count(); ++i)
            all << combo->itemText(i);
        return all;
    }
    int rowCount() { return table()->model()->rowCount(); }
    QString cell(int row, int column) { return table()->rows()->cell(row, column); }
    QString standard() { return m_harness->control<rt::TransparentLabel>("钢材标准")->caption(); }

    void verifyMissingDataRows()
    {
        QCOMPARE(rowCount(), 6);
        QCOMPARE(cell(0, 0), QStringLiteral("小?:"));
        QCOMPARE(cell(4, 1), QStringLiteral("数据文件损坏!!"));
        QCOMPARE(cell(5, 1), QStringLiteral("请修复数据!!!"));
        QVERIFY(standard().startsWith(QStringLiteral("没有找到数据文件,")));
    }

    // The rows the parser finds in the plaintext, checked at the ends and at a spread of
    // rows in between; the missing-data rows when it finds none.
    void verifyRowsOf(const std::string& plaintext)
    {
        const std::vector<data::ProfileRow> want = data::parseProfile(plaintext);
        if (want.empty())
            return verifyMissingDataRows();
        QCOMPARE(rowCount(), static_cast<int>(want.size()));
        const std::size_t stride = std::max<std::size_t>(1, want.size() / 50);
        for (std::size_t row = 0; row < want.size(); row += stride)
            verifyRow(row, want[row]);
        verifyRow(want.size() - 1, want.back());
    }

    // Clicks a row and compares the four results with the calculation's own, from the
    // texts the window shows: the window still takes input and computes.
    void verifyAnswersClick(int row)
    {
        const QModelIndex index = table()->model()->index(row, 1);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualRect(index).center());
        QCOMPARE(m_harness->runtime().readNumber(rt::WindowId::Main, "显示数据",
                                                 rt::prop::kCurrentRow),
                 row);
        calc::Inputs in;
        in.tableUnitWeight = rt::toGbk(cell(row, 2));
        in.density = field("密度");
        in.decimals = field("小数位数");
        in.count = field("参数1");
        in.length = field("参数2");
        in.knownWeight = field("参数3");
        in.stockLength = field("参数4");
        const calc::Results want = calc::computeResults(in);
        QCOMPARE(field("单位重量"), want.unitWeight);
        QCOMPARE(field("结果2"), want.totalWeight);
        QCOMPARE(field("结果3"), want.lengthFromWeight);
        QCOMPARE(field("结果4"), want.barCount);
    }

private:
    rt::ReportListView* table() { return m_harness->control<rt::ReportListView>("显示数据"); }
    std::string field(const char* name)
    {
        return m_harness->runtime().readText(rt::WindowId::Main, name, rt::prop::kContent);
    }
    void verifyRow(std::size_t row, const data::ProfileRow& want)
    {
        for (int column = 0; column < 4; ++column)
            QCOMPARE(cell(static_cast<int>(row), column), rt::fromGbk(want[column]));
    }

    std::unique_ptr<RunDir> m_dir;
    std::unique_ptr<Harness> m_harness;
};

}  // namespace test
