// RowList: a list on screen whose model holds typed rows (fill, clue, replacement rows...), painted from
// their fields; RowListView is the widget, RowModel the rows, RowDelegate their painter.
#pragma once

#include "ui/form_building.h"

#include <QAbstractListModel>
#include <QListView>
#include <QPainter>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>
#include <utility>
#include <vector>

namespace qm::ui {

/// The list widget of a RowList: single selection, rows of a fixed height, no horizontal scroll bar.
/// It knows its rows only as positions and lines (their Text()); the RowList that owns it knows their type.
class RowListView : public QListView {
    Q_OBJECT
public:
    explicit RowListView(QWidget* parent = nullptr);

    /// Takes a model and reports the changes of its current row.
    void SetRowModel(QAbstractItemModel* model);
    int count() const;
    /// The current row, -1 for none.
    int currentRow() const;
    /// Makes a row current and selects it (-1: none), as a click would, without a click.
    void setCurrentRow(int row);
    /// No row current or selected any more; reports it as currentRowChanged(-1) when a row was current.
    void ForgetCurrentRow();
    /// A row's text, as the list holds it.
    QString Line(int row) const;
    /// The current row's text, empty for none.
    QString CurrentLine() const { return Line(currentRow()); }
    QStringList Lines() const;

signals:
    /// A row was clicked.
    void rowClicked(int row);
    /// Another row became current (-1: none).
    void currentRowChanged(int row);
};

/// The rows of one type behind a RowListView, shown as their Text().
template <class Row>
class RowModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return ToQ(rows_[static_cast<std::size_t>(index.row())].Text());
    }

    void SetRows(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    void Insert(int position, Row row)
    {
        beginInsertRows({}, position, position);
        rows_.insert(rows_.begin() + position, std::move(row));
        endInsertRows();
    }
    const std::vector<Row>& Rows() const { return rows_; }

private:
    std::vector<Row> rows_;
};

/// Paints one row: the painter, the row's rectangle, the row, whether it is selected, the palette.
template <class Row>
using RowPainter = std::function<void(QPainter&, const QRect&, const Row&, bool, const QPalette&)>;

/// Runs a RowPainter for every row of a RowModel, with rows of a fixed height.
template <class Row>
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(const RowModel<Row>& model, RowPainter<Row> painter, int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), model_(model), painter_(std::move(painter)), rowHeight_(rowHeight)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.row() < 0 || index.row() >= model_.rowCount()) return;
        painter->save();
        painter->setFont(option.font);
        painter->setClipRect(option.rect);
        painter_(*painter, option.rect, model_.Rows()[static_cast<std::size_t>(index.row())],
                 (option.state & QStyle::State_Selected) != 0, option.palette);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
    }

private:
    const RowModel<Row>& model_;
    RowPainter<Row> painter_;
    int rowHeight_;
};

/// A list of rows as the page that owns it sees it: the view on screen (named for tests and searches)
/// and the rows behind it. The view, the model and the delegate belong to the parent widget.
template <class Row>
class RowList {
public:
    RowList() = default;  ///< none yet: the page's builder makes it
    RowList(const char* objectName, RowPainter<Row> painter, int rowHeight, QWidget* parent)
        : view_(Named<RowListView>(objectName, parent)), model_(new RowModel<Row>(view_))
    {
        view_->SetRowModel(model_);
        view_->setItemDelegate(new RowDelegate<Row>(*model_, std::move(painter), rowHeight, view_));
    }

    RowListView* View() const { return view_; }
    const std::vector<Row>& Rows() const { return model_->Rows(); }
    int Count() const { return model_->rowCount(); }
    /// The current row, or nullptr.
    const Row* Current() const
    {
        const int i = view_->currentRow();
        return i >= 0 && i < Count() ? &Rows()[static_cast<std::size_t>(i)] : nullptr;
    }
    /// Replaces the rows; no row is current afterwards. Like every emptying of the list, this reports the
    /// current row going (currentRowChanged(-1)) unless the view's signals are blocked.
    void SetRows(std::vector<Row> rows)
    {
        view_->ForgetCurrentRow();
        model_->SetRows(std::move(rows));
    }
    void Insert(int position, Row row) { model_->Insert(position, std::move(row)); }
    void Clear() { SetRows({}); }

private:
    RowListView* view_ = nullptr;
    RowModel<Row>* model_ = nullptr;
};

}  // namespace qm::ui
