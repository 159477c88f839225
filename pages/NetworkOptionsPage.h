#pragma once

#include "pages/RowColumn.h"
#include "pages/SettingsPage.h"

class NetworkOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit NetworkOptionsPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;

private:
    QList<RowControls> m_rows;
};
