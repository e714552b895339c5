// One keystroke in the Notes tab's diapason field, through the real Qt view on
// the offscreen platform: the key event, the 128 rows rebuilt in the core, the
// list view brought up to date, and the event loop run until it is idle. Beside
// it, the same keystroke in a plain Qt window whose field rebuilds a
// QTableWidget of the same 128 × 3 texts directly. Compare the two times: the
// program should take at most about 1.2 times the plain one.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCADENZO_BENCH=ON
//   cmake --build build/bench --target cadenzo_view_bench && build/bench/bench/cadenzo_view_bench

#include "cadenzo.h"
#include "resetrun.h"
#include "startup.h"
#include "viewbench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

void KeystrokeInTheProgram(benchmark::State& state)
{
    auto* field = StartTheRealWindow().findChild<QLineEdit*>("diapason");
    if (field == nullptr)
        throw std::runtime_error("no diapason field");
    fw::ControlAs<fw::TabPanel>(Cadenzo(), "TabPanel1").SetValue(5);
    fw::ControlAs<fw::EditField>(Cadenzo(), "diapason").SetFocus();
    field->end(false);
    QCoreApplication::processEvents();

    auto& list = fw::ControlAs<fw::Listbox>(Cadenzo(), "noteshz");
    bool added = false;
    TypeOneKey(field, added);
    if (list.Cell(69, 1) != "    4402")
        state.SkipWithError("the keystroke did not reach the list");
    for (auto _ : state)
        TypeOneKey(field, added);
    ResetRun();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(KeystrokeInTheProgram)->Unit(benchmark::kMicrosecond);

// What a Qt program of its own would do on each change of the field.
class PlainNotes : public QWidget {
public:
    PlainNotes()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_field);
        layout->addWidget(m_table);
        m_table->setFixedSize(193, 110);
        m_table->setColumnCount(3);
        m_table->horizontalHeader()->hide();
        m_table->verticalHeader()->hide();
        m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        m_table->setShowGrid(false);
        m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_table->font()).height() + 4);
        connect(m_field, &QLineEdit::textChanged, this, &PlainNotes::Rebuild);
        m_field->setText("440");
    }

    QLineEdit* Field() const { return m_field; }
    QTableWidget* Table() const { return m_table; }

private:
    void Rebuild(const QString& text)
    {
        static const char* const names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
        const double value = text.toDouble();
        const int reference = value <= 0 || value > 10000 ? 440 : static_cast<int>(value);
        m_table->clearContents();
        m_table->setRowCount(128);
        QFont bold = m_table->font();
        bold.setBold(true);
        for (int i = 0; i < 128; ++i) {
            const int hz = static_cast<int>(std::ceil(reference * std::pow(1.05946309, i - 69)));
            const int octave = i / 12 - 2;
            const QString cells[] = {"   " + QString::number(i), "    " + QString::number(hz),
                                     "    " + QLatin1String(names[i % 12]) + ' ' + QString::number(octave)};
            for (int column = 0; column < 3; ++column) {
                auto* item = new QTableWidgetItem(cells[column]);
                if (i == 69)
                    item->setFont(bold);
                m_table->setItem(i, column, item);
            }
        }
        m_table->selectRow(69);
        m_table->scrollToItem(m_table->item(65, 0), QAbstractItemView::PositionAtTop);
    }

    QLineEdit* m_field = new QLineEdit(this);
    QTableWidget* m_table = new QTableWidget(this);
};

void KeystrokeInAPlainQtList(benchmark::State& state)
{
    auto window = std::make_unique<PlainNotes>();
    window->show();
    window->Field()->setFocus();
    window->Field()->end(false);
    QCoreApplication::processEvents();

    bool added = false;
    TypeOneKey(window->Field(), added);
    if (window->Table()->item(69, 1)->text() != "    4402")
        state.SkipWithError("the keystroke did not reach the list");
    for (auto _ : state)
        TypeOneKey(window->Field(), added);
    window.reset();
}
BENCHMARK(KeystrokeInAPlainQtList)->Unit(benchmark::kMicrosecond);

} // namespace
