#include "app/AutoSizeLabel.h"

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    // Activity names are user text: never read them as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AutoSizeLabel::SetAutoSize(bool on) {
    autoSize = on;
    if (autoSize)
        adjustSize();
}

void AutoSizeLabel::SetCaption(const QString& text) {
    setText(text);
    if (autoSize)
        adjustSize();
}
