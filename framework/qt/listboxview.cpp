// The list box: a table without headers. The core keeps rows, selection and
// scroll position; cell backgrounds are what its paint handler records.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"
#include "guard.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <optional>

namespace fwqt {

namespace {

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
            cell.font.setBold(listbox->CellBold(index.row(), index.column()));
        }
        QStyledItemDelegate::paint(painter, cell, index);
    }

private:
    const ControlView& m_view;
};

class ListboxView final : public ControlView {
public:
    ListboxView(WindowView& window, fw::Listbox& control, QWidget* content)
        : ControlView(window, control, new QTableWidget(content))
    {
        QTableWidget& table = Table();
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
        QTableWidget& table = Table();
        if (table.columnCount() != listbox.ColumnCount())
            table.setColumnCount(listbox.ColumnCount());
        if (table.rowCount() != listbox.ListCount())
            table.setRowCount(listbox.ListCount());
        table.verticalHeader()->setDefaultSectionSize(QFontMetrics(table.font()).height() + 4);
        for (int row = 0; row < listbox.ListCount(); ++row) {
            for (int column = 0; column < listbox.ColumnCount(); ++column) {
                QString text = ToQString(listbox.Cell(row, column));
                QTableWidgetItem* item = table.item(row, column);
                if (item == nullptr)
                    table.setItem(row, column, new QTableWidgetItem(text));
                else if (item->text() != text)
                    item->setText(text);
            }
        }
        if (table.verticalScrollBar()->value() != listbox.ScrollPosition()) {
            // The scroll range follows new rows only once the rows are laid out.
            table.doItemsLayout();
            table.verticalScrollBar()->setValue(listbox.ScrollPosition());
        }
        table.viewport()->update();
    }

    bool WidgetEvent(QObject* watched, QEvent* event) override
    {
        QTableWidget& table = Table();
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
    QTableWidget& Table() const { return static_cast<QTableWidget&>(*Widget()); }
};

} // namespace

std::unique_ptr<ControlView> NewListboxView(WindowView& window, fw::Listbox& control, QWidget* content)
{
    return std::make_unique<ListboxView>(window, control, content);
}

} // namespace fwqt
