#include "console/ServerComparison.h"

#include <QCoreApplication>

namespace {

// The list is asked again this often when a part of it was lost on the way.
constexpr int kListingAttempts = 3;

} // namespace

ServerComparison::ServerComparison(RconClient* client, QObject* parent)
    : QObject(parent)
    , m_client(client) {}

void ServerComparison::cancel() {
    ++m_generation;
    m_running = false;
    m_client->cancel();
}

void ServerComparison::compare(const QList<Comparison::Setting>& settings) {
    cancel();
    m_running = true;
    m_settings = settings;
    const int generation = m_generation;
    m_client->command(QStringLiteral("cvarlist"),
                      [this, generation](const auto& reply) { readListing(reply, generation, 1); });
}

void ServerComparison::readListing(const RconClient::Reply& reply, int generation, int attempt) {
    if (stale(generation))
        return;
    if (reply.failure != RconClient::Failure::None) {
        fail(RconClient::describe(reply.failure), reply.failure);
        return;
    }
    const ConsoleText::Listing listing = ConsoleText::listing(reply.text);
    if (!listing.complete()) {
        if (attempt < kListingAttempts) {
            m_client->command(QStringLiteral("cvarlist"),
                              [this, generation, attempt](const auto& again) {
                                  readListing(again, generation, attempt + 1);
                              });
            return;
        }
        fail(QCoreApplication::translate(
                 "ServerComparison",
                 "The server's list of variables could not be read whole (%1 tries)."
                 " Parts of it may have been lost on the way.")
                 .arg(kListingAttempts),
             RconClient::Failure::Unreadable);
        return;
    }
    m_listed.clear();
    m_queries.clear();
    m_toQuery.clear();
    for (const ConsoleText::Listed& listed : listing.variables)
        m_listed.insert(listed.name.toLower(), listed);
    // Only the name as the list shows it is ever sent bare.
    for (const Comparison::Setting& setting : std::as_const(m_settings)) {
        const auto found = m_listed.constFind(setting.name.toLower());
        if (found != m_listed.cend() && found->latched() && ConsoleText::sendableWord(found->name))
            m_toQuery.append(*found);
    }
    queryNext(generation);
}

void ServerComparison::queryNext(int generation) {
    if (!m_toQuery.isEmpty()) {
        const ConsoleText::Listed listed = m_toQuery.takeFirst();
        m_client->command(listed.name, [this, generation, listed](const auto& reply) {
            if (stale(generation))
                return;
            if (reply.failure != RconClient::Failure::None) {
                fail(RconClient::describe(reply.failure), reply.failure);
                return;
            }
            const std::optional<ConsoleText::Query> query = ConsoleText::query(reply.text);
            if (!query || query->name.compare(listed.name, Qt::CaseInsensitive) != 0) {
                fail(QCoreApplication::translate("ServerComparison",
                                                 "The server's reply about %1 could not be read.")
                         .arg(listed.name),
                     RconClient::Failure::Unreadable);
                return;
            }
            m_queries.insert(listed.name.toLower(), *query);
            queryNext(generation);
        });
        return;
    }
    m_rows.clear();
    for (const Comparison::Setting& setting : std::as_const(m_settings)) {
        const QString key = setting.name.toLower();
        const auto listed = m_listed.constFind(key);
        const auto query = m_queries.constFind(key);
        m_rows.append(
            Comparison::compare(setting, listed == m_listed.cend() ? nullptr : &*listed,
                                query == m_queries.cend() ? std::nullopt : std::optional(*query)));
    }
    m_running = false;
    emit compared();
}

QList<Comparison::Row> ServerComparison::toApply() const {
    QList<Comparison::Row> rows;
    for (const Comparison::Row& row : m_rows)
        if (row.state == Comparison::State::Differs && row.sendable())
            rows.append(row);
    return rows;
}

QList<Comparison::Row> ServerComparison::notSendable() const {
    QList<Comparison::Row> rows;
    for (const Comparison::Row& row : m_rows)
        if (row.state == Comparison::State::Differs && !row.sendable())
            rows.append(row);
    return rows;
}

void ServerComparison::apply() {
    const QList<Comparison::Row> rows = toApply();
    cancel();
    m_running = true;
    m_toSend = rows;
    m_applied = 0;
    m_waiting.clear();
    applyNext(m_generation);
}

void ServerComparison::applyNext(int generation) {
    if (m_toSend.isEmpty()) {
        m_running = false;
        compare(m_settings);
        return;
    }
    const Comparison::Row row = m_toSend.takeFirst();
    m_client->command(row.setCommand(), [this, generation, row](const auto& reply) {
        if (stale(generation))
            return;
        if (reply.failure != RconClient::Failure::None) {
            fail(QCoreApplication::translate("ServerComparison",
                                             "%1 %2 of the differences were sent before this.")
                     .arg(RconClient::describe(reply.failure))
                     .arg(m_applied),
                 reply.failure);
            return;
        }
        ++m_applied;
        if (reply.text.contains(QLatin1String("will be changed upon restarting")))
            m_waiting.append(row.name);
        applyNext(generation);
    });
}

void ServerComparison::fail(const QString& message, RconClient::Failure failure) {
    m_running = false;
    m_client->cancel();
    emit failed(message, failure);
}
