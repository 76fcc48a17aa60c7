#include "listmodel.h"

#include <utility>

#include "localtext.h"

namespace kelvane::qt {

ListModel::ListModel(ListWidget* marks, QObject* parent)
    : QAbstractListModel(parent), marks_(marks) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const int row = index.row();
    if (role == Qt::DisplayRole) {
        return FromLocal(Text(row));
    }
    if (role == Qt::CheckStateRole && marks_ != nullptr) {
        return marks_->Selected(row) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (marks_ == nullptr || role != Qt::CheckStateRole || !index.isValid() ||
        index.row() >= Count()) {
        return false;
    }
    marks_->SetSelected(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractListModel::flags(index) | Qt::ItemNeverHasChildren;
    if (marks_ != nullptr) {
        result |= Qt::ItemIsUserCheckable;
    }
    return result;
}

void ListModel::SetText(int row, const std::string& text) {
    texts_[static_cast<std::size_t>(row)] = text;
}

void ListModel::NotifyTexts(int first, int last) {
    emit dataChanged(index(first), index(last), {Qt::DisplayRole});
}

void ListModel::NotifyMark(int row) {
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void ListModel::Append(const std::string& text) {
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    texts_.push_back(text);
    endInsertRows();
}

void ListModel::Remove(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    texts_.erase(texts_.begin() + row);
    endRemoveRows();
}

void ListModel::Clear() {
    Reset({});
}

void ListModel::Reset(std::vector<std::string> texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
}

}  // namespace kelvane::qt
