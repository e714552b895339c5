// The list box: a table without headers. The core keeps rows, selection and
// scroll position; cell backgrounds are what its paint handler records, and
// cell fonts what the model gives, bold and fitted to the column. The
// table reads the core's cells as it paints them, so a rebuilt list is one
// model reset, not a copy of every cell.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"
#include "guard.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>

#include <cstdint>
#include <optional>

namespace fwqt {

namespace {

const fw::Listbox* ListOf(const ControlView& view) { return static_cast<const fw::Listbox*>(view.Control()); }

class CellModel final : public QAbstractTableModel {
public:
    CellModel(QObject* parent, const ControlView& view) : QAbstractTableModel(parent), m_view(view) {}

    // Takes the list's shape afresh; its texts are read when they are drawn.
    void Reload()
    {
        beginResetModel();
        const fw::Listbox* listbox = ListOf(m_view);
        m_rows = listbox != nullptr ? listbox->ListCount() : 0;
        m_columns = listbox != nullptr ? listbox->ColumnCount() : 0;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_columns; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const fw::Listbox* listbox = ListOf(m_view);
        if ((role != Qt::DisplayRole && role != Qt::FontRole) || listbox == nullptr)
            return {};
        // A cell the core no longer has (rows deleted since) reads as empty.
        QString text = ToQString(listbox->Cell(index.row(), index.column()));
        return role == Qt::DisplayRole ? QVariant(text) : QVariant(CellFont(*listbox, index, text));
    }

private:
    // Bold where the core says, and fitted to the column as a label is: a
    // cell cut short would show a frequency's first digits and an ellipsis.
    QFont CellFont(const fw::Listbox& listbox, const QModelIndex& index, const QString& text) const
    {
        const auto& table = static_cast<const QTableView&>(*m_view.Widget());
        QFont font = table.font();
        font.setBold(listbox.CellBold(index.row(), index.column()));
        // The item delegate lays the text out this far in from each side.
        const int margin = table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1;
        return Fit(font, text, table.columnWidth(index.column()) - 2 * margin).font;
    }

    const ControlView& m_view;
    int m_rows = 0;
    int m_columns = 0;
};

class CellDelegate final : public QStyledItemDelegate {
public:
    CellDelegate(QObject* parent, const ControlView& view) : QStyledItemDelegate(parent), m_view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        cell.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
        if (auto* listbox = static_cast<fw::Listbox*>(m_view.Control())) {
            QRect box = option.rect;
            std::optional<fw::Graphics> background;
            Guard([&] {
                background.emplace(listbox->PaintCellBackground(index.row(), index.column(),
                                                                box.width(), box.height()));
            });
            if (background) {
                painter->save();
                painter->setClipRect(box);
                for (const fw::Graphics::Fill& fill : background->Fills())
                    painter->fillRect(QRect(box.x() + fill.x, box.y() + fill.y, fill.width, fill.height),
                                      ToQColor(fill.color));
                painter->restore();
            }
            if (listbox->Selected(index.row()))
                cell.state |= QStyle::State_Selected;
        }
        QStyledItemDelegate::paint(painter, cell, index);
    }

private:
    const ControlView& m_view;
};

class ListboxView final : public ControlView {
public:
    ListboxView(WindowView& window, fw::Listbox& control, QWidget* content)
        : ControlView(window, control, new QTableView(content)), m_model(new CellModel(Widget(), *this))
    {
        QTableView& table = Table();
        table.setModel(m_model);
        table.horizontalHeader()->hide();
        table.verticalHeader()->hide();
        table.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table.setShowGrid(false);
        table.setEditTriggers(QAbstractItemView::NoEditTriggers);
        // The selection is the core's; the delegate draws it.
        table.setSelectionMode(QAbstractItemView::NoSelection);
        table.setTabKeyNavigation(false);
        table.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        table.setItemDelegate(new CellDelegate(&table, *this));
        table.viewport()->installEventFilter(this);
        connect(table.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int row) {
            if (Mirroring())
                return;
            auto* listbox = static_cast<fw::Listbox*>(Control());
            if (listbox != nullptr && listbox->ScrollPosition() != row)
                FromUser([listbox, row] { listbox->SetScrollPosition(row); });
        });
    }

protected:
    void SyncDetails() override
    {
        const auto& listbox = static_cast<const fw::Listbox&>(*Control());
        QTableView& table = Table();
        if (m_shownRevision != listbox.RowsRevision()) {
            m_shownRevision = listbox.RowsRevision();
            m_model->Reload();
        }
        const int rowHeight = QFontMetrics(table.font()).height() + 4;
        if (table.verticalHeader()->defaultSectionSize() != rowHeight)
            table.verticalHeader()->setDefaultSectionSize(rowHeight);
        if (table.verticalScrollBar()->value() != listbox.ScrollPosition()) {
            // The scroll range follows new rows only once the rows are laid out.
            table.doItemsLayout();
            table.verticalScrollBar()->setValue(listbox.ScrollPosition());
        }
        table.viewport()->update();
    }

    bool WidgetEvent(QObject* watched, QEvent* event) override
    {
        QTableView& table = Table();
        if (watched != table.viewport())
            return false;
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        QPoint at = mouse->position().toPoint();
        QModelIndex index = table.indexAt(at);
        auto* listbox = static_cast<fw::Listbox*>(Control());
        if (index.isValid()) {
            QPoint inCell = at - table.visualRect(index).topLeft();
            FromUser([listbox, index, inCell] {
                listbox->ClickCell(index.row(), index.column(), inCell.x(), inCell.y());
            });
        } else {
            FromUser([listbox] { listbox->SetFocus(); });
        }
        return true;
    }

private:
    QTableView& Table() const { return static_cast<QTableView&>(*Widget()); }

    CellModel* m_model;
    std::optional<std::uint64_t> m_shownRevision;
};

} // namespace

std::unique_ptr<ControlView> NewListboxView(WindowView& window, fw::Listbox& control, QWidget* content)
{
    return std::make_unique<ListboxView>(window, control, content);
}

} // namespace fwqt
