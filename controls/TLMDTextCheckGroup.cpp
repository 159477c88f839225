#include "controls/TLMDTextCheckGroup.h"

TLMDTextCheckGroup::TLMDTextCheckGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
}
