#include "console/ServerComparison.h"

#include <QCoreApplication>

namespace {

// The list is asked again this often when a part of it was lost on the way.
constexpr int kListingAttempts = 3;
// The lines of a list that could not be read, named in its error at most.
constexpr qsizetype kUnreadShown = 5;
constexpr qsizetype kUnreadWidth = 80;

// What is wrong with a list of variables that does not read whole, in words: how many were read,
// which lines were not; the network is blamed only when the replies to the same request differed.
QString incompleteListing(const ConsoleText::Listing& listing, bool differed, int tries) {
    QString text =
        listing.total < 0
            ? QCoreApplication::translate("ServerComparison",
                                          "The server's list of variables came without its "
                                          "closing line (\"… total cvars\"): read %1 variables.")
                  .arg(listing.variables.size())
            : QCoreApplication::translate(
                  "ServerComparison",
                  "The server's list of variables did not read whole: read %1 of %2 variables.")
                  .arg(listing.variables.size())
                  .arg(listing.total);
    if (!listing.unread.isEmpty()) {
        QStringList lines;
        for (const QString& line : listing.unread.mid(0, kUnreadShown))
            lines.append(QStringLiteral("\"%1\"").arg(
                line.size() > kUnreadWidth ? line.left(kUnreadWidth) + QStringLiteral("…") : line));
        if (listing.unread.size() > kUnreadShown)
            lines.append(QCoreApplication::translate("ServerComparison", "and %1 more")
                             .arg(listing.unread.size() - kUnreadShown));
        text +=
            QCoreApplication::translate("ServerComparison", " These lines could not be read:\n%1")
                .arg(lines.join(QLatin1Char('\n')));
    } else if (differed) {
        text += QCoreApplication::translate("ServerComparison",
                                            " Parts of it were lost on the way (%1 tries).")
                    .arg(tries);
    }
    return text;
}

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
    m_client->command(QStringLiteral("cvarlist"), [this, generation](const auto& reply) {
        readListing(reply, generation, 1, {});
    });
}

void ServerComparison::readListing(const RconClient::Reply& reply, int generation, int attempt,
                                   const QString& previous) {
    if (stale(generation))
        return;
    if (reply.failure != RconClient::Failure::None) {
        fail(RconClient::describe(reply.failure), reply.failure);
        return;
    }
    const ConsoleText::Listing listing = ConsoleText::listing(reply.text);
    if (!listing.complete()) {
        // The same reply twice lost nothing on the way: asking once more reads it no better.
        const bool same = reply.text == previous;
        if (attempt < kListingAttempts && !same) {
            m_client->command(QStringLiteral("cvarlist"),
                              [this, generation, attempt, text = reply.text](const auto& again) {
                                  readListing(again, generation, attempt + 1, text);
                              });
            return;
        }
        fail(incompleteListing(listing, !same, attempt), RconClient::Failure::Unreadable);
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

QList<Comparison::Row> ServerComparison::onlyByFile() const {
    QList<Comparison::Row> rows;
    for (const Comparison::Row& row : m_rows)
        if (row.state == Comparison::State::OnlyByFile)
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
