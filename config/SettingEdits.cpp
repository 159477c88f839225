#include "config/SettingEdits.h"

SettingEdits::SettingEdits(QList<Written> pages)
    : m_pages(std::move(pages)) {
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pageIndex.insert(m_pages[i].name.toLower(), i);
}

void SettingEdits::set(const QString& name, const QString& value) {
    edit(name, value);
}

void SettingEdits::unset(const QString& name) {
    edit(name, std::nullopt);
}

void SettingEdits::edit(const QString& name, const std::optional<QString>& value) {
    for (auto& [given, was] : m_edits)
        if (given.compare(name, Qt::CaseInsensitive) == 0) {
            was = value;
            return;
        }
    m_edits.append({name, value});
}

const std::optional<QString>* SettingEdits::editOf(const QString& name) const {
    for (const auto& [given, value] : m_edits)
        if (given.compare(name, Qt::CaseInsensitive) == 0)
            return &value;
    return nullptr;
}

QString SettingEdits::lineOf(const QString& name, const QString& value) const {
    const auto page = m_pageIndex.constFind(name.toLower());
    const Written written =
        page == m_pageIndex.cend() ? Written{name, QStringLiteral("set")} : m_pages[*page];
    return written.verb + QLatin1Char(' ') + written.name + QLatin1String(" \"") + value +
           QLatin1Char('"');
}

SettingEdits::Lines SettingEdits::lines(const Opening& opening) const {
    Lines lines;
    auto line = [this](const QString& name, const QString& value) {
        return Opening::Line{name, value, lineOf(name, value)};
    };
    // The pages write what the file sets, as the file ends with it: unchanged, it stays as it is
    // and gives new lines their places.
    for (const Written& variable : m_pages) {
        const Opening::Setting* file = opening.find(variable.name);
        if (file)
            lines.before.append(line(variable.name, file->value));
        const std::optional<QString>* edited = editOf(variable.name);
        if (edited && *edited)
            lines.after.append(line(variable.name, **edited));
        else if (!edited && file)
            lines.after.append(lines.before.last());
    }
    for (const auto& [name, value] : m_edits) {
        if (m_pageIndex.contains(name.toLower()))
            continue;
        if (const Opening::Setting* file = opening.find(name))
            lines.before.append(line(name, file->value));
        if (value)
            lines.loose.append(line(name, *value));
    }
    return lines;
}
