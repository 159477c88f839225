#pragma once

#include "console/Comparison.h"
#include "console/RconClient.h"

#include <QObject>

// Compares a document's settings with a running server over its console, and applies the
// differences. Comparing asks for the list of variables once and then asks each latched variable
// the document sets by its name; it never sends a bare name the list did not show, since the
// server broadcasts an unknown word to every player as chat.
class ServerComparison : public QObject {
    Q_OBJECT
public:
    explicit ServerComparison(RconClient* client, QObject* parent = nullptr);

    void compare(const QList<Comparison::Setting>& settings);
    // Sends the document's value of every row that Differs and can be sent, in document order,
    // then compares again.
    void apply();
    void cancel();
    bool running() const { return m_running; }

    const QList<Comparison::Row>& rows() const { return m_rows; }
    // Rows that Differ, split into those Apply sends and those it cannot send.
    QList<Comparison::Row> toApply() const;
    QList<Comparison::Row> notSendable() const;
    QList<Comparison::Row> onlyByFile() const;
    // Of the last Apply: the commands sent, and those the server keeps until a restart.
    int appliedCount() const { return m_applied; }
    QStringList waitingForRestart() const { return m_waiting; }

signals:
    void compared();
    void failed(const QString& message, RconClient::Failure failure);

private:
    // `previous`: the text of the reply before, when the list is asked again.
    void readListing(const RconClient::Reply& reply, int generation, int attempt,
                     const QString& previous);
    void queryNext(int generation);
    void applyNext(int generation);
    void fail(const QString& message, RconClient::Failure failure);
    bool stale(int generation) const { return generation != m_generation; }

    RconClient* m_client;
    QList<Comparison::Setting> m_settings;
    QList<Comparison::Row> m_rows;
    QHash<QString, ConsoleText::Listed> m_listed; // by lower-case name
    QHash<QString, ConsoleText::Query> m_queries; // by lower-case name
    QList<ConsoleText::Listed> m_toQuery;
    QList<Comparison::Row> m_toSend;
    QStringList m_waiting;
    int m_applied = 0;
    int m_generation = 0;
    bool m_running = false;
};
