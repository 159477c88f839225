#include "remote/RemoteTransfer.h"

#include "remote/RemoteBackend.h"

#include <QLocale>
#include <QRegularExpression>

using Outcome = RemoteTransfer::Outcome;

RemoteTransfer::RemoteTransfer(const RemoteAddress& address, const QString& password,
                               const Settings& settings, const std::atomic_bool& cancel,
                               Progress progress)
    : m_backend(RemoteBackend::get(&m_loadError)) {
    if (m_backend)
        d = m_backend->createTransfer(address, password, settings, cancel, progress);
}

RemoteTransfer::~RemoteTransfer() {
    if (m_backend)
        m_backend->destroyTransfer(d);
}

Outcome RemoteTransfer::unloaded() const {
    Outcome outcome;
    outcome.failure = Failure::Other;
    outcome.reason = m_loadError;
    return outcome;
}

Outcome RemoteTransfer::fetch() {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->fetch(d, &outcome);
    return outcome;
}

Outcome RemoteTransfer::list() {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->list(d, &outcome);
    return outcome;
}

Outcome RemoteTransfer::store(const QByteArray& bytes, const QByteArray& expected, bool force,
                              const std::function<QString(const QByteArray&)>& keep) {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->store(d, bytes, expected, force, keep, &outcome);
    return outcome;
}

bool RemoteTransfer::parseListingLine(const QString& line, const QDateTime& now,
                                      RemoteEntry* entry) {
    // type+permissions, links, owner, group, size, month, day, time or year, name.
    static const QRegularExpression form(QStringLiteral(
        R"(^([dl-])[rwxsStT-]{9}\S*\s+\d+\s+\S+\s+\S+\s+(\d+)\s+(\w{3})\s+(\d{1,2})\s+)"
        R"((\d{1,2}:\d{2}|\d{4})\s(.+?)\r?$)"));
    const QRegularExpressionMatch match = form.match(line);
    if (!match.hasMatch())
        return false;
    QString name = match.captured(6);
    if (match.captured(1) == QLatin1String("l"))
        name = name.section(QStringLiteral(" -> "), 0, 0);
    entry->name = name;
    entry->isFolder = match.captured(1) == QLatin1String("d");
    entry->size = match.captured(2).toLongLong();
    const QLocale c = QLocale::c();
    int month = 0;
    for (int m = 1; m <= 12; ++m)
        if (c.monthName(m, QLocale::ShortFormat).compare(match.captured(3), Qt::CaseInsensitive) ==
            0)
            month = m;
    const int day = match.captured(4).toInt();
    const QString clock = match.captured(5);
    if (clock.contains(QLatin1Char(':'))) {
        // Within the last half year: the year is this one, or last year for a later month.
        int year = now.date().year();
        const QDate date(year, month, day);
        if (date.isValid() && date > now.date().addDays(1))
            --year;
        entry->time =
            QDateTime(QDate(year, month, day), QTime::fromString(clock, QStringLiteral("H:mm")));
    } else {
        entry->time = QDateTime(QDate(clock.toInt(), month, day), QTime(0, 0));
    }
    return true;
}
