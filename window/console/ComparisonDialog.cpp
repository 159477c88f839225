#include "window/console/ComparisonDialog.h"

#include "console/ComparisonModel.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using State = Comparison::State;
constexpr State kStates[] = {State::Same,       State::Differs,     State::AfterRestart,
                             State::OnlyByFile, State::NotOnServer, State::ReadOnly};

// Each state's row in a light colour of its own, the text black, so that a glance finds them; a
// password's values hidden unless the user asks to see them.
class StateColours : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void showPasswords(bool show) {
        m_showPasswords = show;
        invalidate();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && !m_showPasswords &&
            (index.column() == ComparisonModel::Document ||
             index.column() == ComparisonModel::Server) &&
            Comparison::isPassword(
                QSortFilterProxyModel::data(index.siblingAtColumn(ComparisonModel::Variable))
                    .toString())) {
            // As many dots whatever the password, so that not even its length shows.
            const QString value = QSortFilterProxyModel::data(index, role).toString();
            return value.isEmpty() ? value : QString(8, QChar(0x2022));
        }
        if (role == Qt::BackgroundRole) {
            switch (State(QSortFilterProxyModel::data(index, ComparisonModel::StateRole).toInt())) {
            case State::Same:
                return QBrush(QColor(0xe6, 0xf4, 0xe6));
            case State::Differs:
                return QBrush(QColor(0xfd, 0xe2, 0xe2));
            case State::AfterRestart:
            case State::OnlyByFile:
                return QBrush(QColor(0xfd, 0xf3, 0xd6));
            case State::NotOnServer:
            case State::ReadOnly:
                return QBrush(QColor(0xe8, 0xe8, 0xe8));
            }
        }
        if (role == Qt::ForegroundRole)
            return QBrush(Qt::black);
        return QSortFilterProxyModel::data(index, role);
    }

private:
    bool m_showPasswords = false;
};

} // namespace

ComparisonDialog::ComparisonDialog(QWidget* parent)
    : QDialog(parent)
    , m_model(new ComparisonModel(this))
    , m_filter(new StateColours(this))
    , m_table(new QTableView(this))
    , m_state(new QComboBox(this))
    , m_showPasswords(new QCheckBox(tr("Show &passwords"), this))
    , m_summary(new QLabel(this))
    , m_compare(new QPushButton(tr("Compare again"), this))
    , m_apply(new QPushButton(tr("Apply differences"), this))
    , m_restart(new QPushButton(QStringLiteral("map_restart"), this)) {
    setObjectName(QStringLiteral("ComparisonDialog"));
    setWindowTitle(tr("The document and the running server"));
    resize(720, 420);

    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(ComparisonModel::StateColumn);
    m_table->setObjectName(QStringLiteral("tblComparison"));
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    // Unsorted, the rows stand in document order.
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_state->setObjectName(QStringLiteral("cmbStateFilter"));
    m_state->setStatusTip(tr("Show the rows of one state only"));
    m_state->addItem(tr("All states"));
    for (const State state : kStates)
        m_state->addItem(Comparison::stateName(state));
    connect(m_state, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_filter->setFilterRegularExpression(
            index <= 0 ? QString()
                       : QStringLiteral("^%1$").arg(QRegularExpression::escape(
                             Comparison::stateName(kStates[index - 1]))));
    });
    auto* stateLabel = new QLabel(tr("&Show:"), this);
    stateLabel->setBuddy(m_state);
    m_showPasswords->setObjectName(QStringLiteral("chkShowPasswords"));
    m_showPasswords->setStatusTip(tr("Show the values of the password settings in the table"));
    connect(m_showPasswords, &QCheckBox::toggled, this,
            [this](bool show) { static_cast<StateColours*>(m_filter)->showPasswords(show); });

    m_summary->setObjectName(QStringLiteral("lblComparisonSummary"));
    m_summary->setWordWrap(true);
    m_compare->setObjectName(QStringLiteral("btnCompareAgain"));
    m_apply->setObjectName(QStringLiteral("btnApplyDifferences"));
    m_apply->setStatusTip(tr("Send the document's value of every row that differs"));
    m_restart->setObjectName(QStringLiteral("btnMapRestart"));
    m_restart->setStatusTip(
        tr("Restart the map, so that the values waiting for a restart take effect"));
    m_restart->setEnabled(false);
    connect(m_compare, &QPushButton::clicked, this, &ComparisonDialog::compareRequested);
    connect(m_apply, &QPushButton::clicked, this, &ComparisonDialog::applyRequested);
    connect(m_restart, &QPushButton::clicked, this, &ComparisonDialog::restartRequested);

    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_showPasswords);
    top->addWidget(stateLabel);
    top->addWidget(m_state);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_compare, QDialogButtonBox::ActionRole);
    buttons->addButton(m_apply, QDialogButtonBox::ActionRole);
    buttons->addButton(m_restart, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void ComparisonDialog::setRows(const QList<Comparison::Row>& rows) {
    m_model->setRows(rows);
    m_table->resizeColumnsToContents();
    m_waiting = false;
    for (const Comparison::Row& row : rows)
        m_waiting = m_waiting || row.latched.has_value();
    m_restart->setEnabled(m_waiting);
}

void ComparisonDialog::setSummary(const QString& text) {
    m_summary->setText(text);
}

void ComparisonDialog::setBusy(bool busy) {
    m_compare->setEnabled(!busy);
    m_apply->setEnabled(!busy);
    m_restart->setEnabled(!busy && m_waiting);
}
