// Data grid: lazy reading from a cursor, sorting the German way with the totals row kept on
// top, marks by key, a failing cursor; the image tree.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#include "platform/services/orv_info.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/tree_view.h"

namespace {

// Rows "Kunde i" with a turnover; counts how often it was asked. Throws at throwAt if set.
class CountingSource : public TORVRowSource {
public:
    CountingSource(int rows, int* reads, int throwAt = -1) : rows_(rows), reads_(reads), throwAt_(throwAt) {}
    bool Next(QVariantList& row) override {
        if (next_ == throwAt_) throw std::runtime_error("Lesefehler");
        if (next_ >= rows_) return false;
        ++*reads_;
        row << QString("Kunde %1").arg(next_) << double(next_) * 10.5;
        ++next_;
        return true;
    }

private:
    int rows_, next_ = 0;
    int* reads_;
    int throwAt_;
};

void AddCustomerColumns(TORVDataModel& model) {
    model.AddColumn({"NAME", "Kundenname"});
    model.AddColumn({"SELUMSATZ", "Umsatz"});
}

}  // namespace

class DataGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ORVInfo().SetDataDir(logDir_.path().toStdString()); }
    void rowsAreReadLazilyInBatches();
    void sortingIsGermanNumericAndKeepsTheTotalsRowOnTop();
    void marksWithInsertF7F8();
    void aFailingCursorKeepsTheRowsReadSoFar();
    void columnsByName();
    void treeNodesCarryImageAndData();

private:
    QTemporaryDir logDir_;
};

void DataGridTest::rowsAreReadLazilyInBatches() {
    TORVDataModel model;
    AddCustomerColumns(model);
    int reads = 0;
    model.SetSource(std::make_unique<CountingSource>(1000, &reads), 100);
    QCOMPARE(model.RowCount(), 0);
    QVERIFY(model.canFetchMore(QModelIndex()));
    model.fetchMore(QModelIndex());
    QCOMPARE(model.RowCount(), 100);
    QCOMPARE(reads, 100);

    TORVDataGrid grid;
    grid.SetDataModel(&model);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(model.RowCount() < 1000);  // showing does not read everything

    QVERIFY(grid.SelectRow(650));  // reads on until the row exists
    QCOMPARE(grid.CurrentRow(), 650);
    QCOMPARE(model.Value(650, "NAME").toString(), QString("Kunde 650"));
    QCOMPARE(model.DisplayText(650, 1), QString("6.825,00"));
    QVERIFY(!grid.SelectRow(5000));
    QCOMPARE(model.RowCount(), 1000);
    QVERIFY(model.AtEnd());
}

void DataGridTest::sortingIsGermanNumericAndKeepsTheTotalsRowOnTop() {
    TORVDataModel model;
    AddCustomerColumns(model);
    model.SetRows({{"<3 Kunden>", 600.0}, {"Zander", 100.0}, {"Özdemir", 9.0}, {"Müller", 200.0}, {"Mueller", 300.0}});
    TORVDataGrid grid;
    grid.SetDataModel(&model);
    grid.Proxy()->IsPinned = [&](int row) { return model.Value(row, "NAME").toString().startsWith('<'); };
    auto names = [&] {
        QStringList out;
        for (int i = 0; i < grid.VisibleRowCount(); ++i) out << model.Value(grid.SourceRowAt(i), "NAME").toString();
        return out;
    };
    grid.SortByColumn("NAME");
    QCOMPARE(names(), (QStringList{"<3 Kunden>", "Mueller", "Müller", "Özdemir", "Zander"}));
    grid.SortByColumn("SELUMSATZ", Qt::DescendingOrder);
    QCOMPARE(names(), (QStringList{"<3 Kunden>", "Mueller", "Müller", "Zander", "Özdemir"}));
    grid.SortByColumn("SELUMSATZ", Qt::AscendingOrder);  // 9 before 100: by value, not text
    QCOMPARE(names(), (QStringList{"<3 Kunden>", "Özdemir", "Zander", "Müller", "Mueller"}));

    // A click on a header sorts by that column.
    grid.resize(500, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QHeaderView* header = grid.horizontalHeader();
    const int x = header->sectionViewportPosition(0) + header->sectionSize(0) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(names().at(1), header->sortIndicatorOrder() == Qt::AscendingOrder ? QString("Mueller") : QString("Zander"));

    // Sorting a lazily read model reads it fully first.
    TORVDataModel lazy;
    AddCustomerColumns(lazy);
    int reads = 0;
    lazy.SetSource(std::make_unique<CountingSource>(500, &reads), 50);
    lazy.fetchMore(QModelIndex());
    TORVDataGrid lazyGrid;
    lazyGrid.SetDataModel(&lazy);
    lazyGrid.SortByColumn("SELUMSATZ", Qt::DescendingOrder);
    QCOMPARE(lazy.RowCount(), 500);
    QCOMPARE(lazyGrid.SourceRowAt(0), 499);
}

void DataGridTest::marksWithInsertF7F8() {
    TORVDataModel model;
    AddCustomerColumns(model);
    model.SetRows({{"A", 1.0}, {"B", 2.0}, {"C", 3.0}});
    model.SetMarkable(true);
    TORVDataGrid grid;
    grid.SetDataModel(&model);
    grid.SelectRow(0);
    QTest::keyClick(&grid, Qt::Key_Insert);
    QVERIFY(model.IsMarked(0));
    QCOMPARE(grid.CurrentRow(), 1);  // moved on
    QTest::keyClick(&grid, Qt::Key_F8);
    QCOMPARE(model.MarkedRows(), (std::vector<int>{1, 2}));
    QTest::keyClick(&grid, Qt::Key_F7);
    QCOMPARE(model.MarkedRows().size(), size_t(3));
    QCOMPARE(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));

    QSignalSpy activated(&grid, &TORVDataGrid::RowActivated);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toInt(), 1);
}

void DataGridTest::aFailingCursorKeepsTheRowsReadSoFar() {
    ORVInfo().ClearEntries();
    TORVDataModel model;
    AddCustomerColumns(model);
    int reads = 0;
    model.SetSource(std::make_unique<CountingSource>(100, &reads, 30), 20);
    model.FetchAll();
    QCOMPARE(model.RowCount(), 30);
    QVERIFY(model.AtEnd());
    const auto entries = ORVInfo().Entries();
    QVERIFY(!entries.empty());
    QCOMPARE(entries.back().text, std::string("TORVDataModel.fetchMore"));

    // Rows of the wrong width neither shift nor overrun the columns.
    model.SetRows({{"nur Name"}, {"X", 1.0, "zu viel"}});
    QVERIFY(model.Value(0, "SELUMSATZ").isNull());
    QCOMPARE(model.DisplayText(0, 1), QString());
    QCOMPARE(model.Value(1, 2), QVariant());
}

void DataGridTest::columnsByName() {
    TORVDataModel model;
    AddCustomerColumns(model);
    model.AddColumn({"KUNDE", "Kunde", {}, false});
    model.SetRows({{"A", 1.0, "1/5"}});
    TORVDataGrid grid;
    grid.SetDataModel(&model);
    QVERIFY(!grid.IsColumnVisible("KUNDE"));
    QCOMPARE(model.Value(0, "kunde").toString(), QString("1/5"));  // hidden, still readable
    grid.SetColumnVisible("KUNDE", true, 144);
    QVERIFY(grid.IsColumnVisible("KUNDE"));
    QCOMPARE(grid.ColumnWidth("KUNDE"), 144);
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
             Qt::AlignRight);
}

void DataGridTest::treeNodesCarryImageAndData() {
    TORVTreeView tree;
    QPixmap red(8, 8), green(8, 8);
    red.fill(Qt::red);
    green.fill(Qt::green);
    QTreeWidgetItem* top = tree.AddNode(nullptr, "Summe Bonus", 4, 42);
    QTreeWidgetItem* child = tree.AddNode(top, "01.02.2024:     10,00", 1);
    QTreeWidgetItem* bare = tree.AddNode(child, "Wert", -1);
    QVERIFY(top->icon(0).isNull());  // no image list yet
    tree.SetImages({QIcon(red), QIcon(green), QIcon(), QIcon(), QIcon(green)});
    QVERIFY(!top->icon(0).isNull());
    QCOMPARE(TORVTreeView::ImageIndex(top), 4);
    QCOMPARE(TORVTreeView::NodeData(top).toInt(), 42);
    QVERIFY(bare->icon(0).isNull());
    QCOMPARE(TORVTreeView::ImageIndex(bare), -1);
    tree.SetImageIndex(child, 99);  // out of range: no picture, no crash
    QVERIFY(child->icon(0).isNull());
    tree.ExpandTopLevel(true);
    QVERIFY(top->isExpanded());
}

QTEST_MAIN(DataGridTest)
#include "data_grid_test.moc"
