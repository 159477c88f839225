#include "console/ComparisonModel.h"

#include <QCoreApplication>

ComparisonModel::ComparisonModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ComparisonModel::setRows(const QList<Comparison::Row>& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Comparison::Row& row = m_rows[index.row()];
    if (role == StateRole)
        return int(row.state);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Variable:
        return row.name;
    case Document:
        return row.document;
    case Server:
        if (row.state == Comparison::State::NotOnServer)
            return QString();
        if (row.latched && *row.latched != row.server)
            return QCoreApplication::translate("ComparisonModel", "%1 (after restart: %2)")
                .arg(row.server, *row.latched);
        return row.server;
    case StateColumn:
        return Comparison::stateName(row.state);
    }
    return {};
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Variable:
        return QCoreApplication::translate("ComparisonModel", "Variable");
    case Document:
        return QCoreApplication::translate("ComparisonModel", "In the document");
    case Server:
        return QCoreApplication::translate("ComparisonModel", "On the server");
    case StateColumn:
        return QCoreApplication::translate("ComparisonModel", "State");
    }
    return {};
}
