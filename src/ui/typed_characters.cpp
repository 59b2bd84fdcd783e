#include "ui/typed_characters.h"

#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <cstring>
#include <functional>

namespace {

class TypedCharacterFilter : public QObject {
public:
    TypedCharacterFilter(QWidget *field, std::function<bool(char16_t)> refuses)
        : QObject(field), m_refuses(std::move(refuses))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        // The Delete key is no typed character, whatever text the platform gives it.
        if (key->key() == Qt::Key_Delete || key->text().size() != 1)
            return false;
        const char16_t typed = key->text().front().unicode();
        return typed >= 32 && typed <= 127 && m_refuses(typed);
    }

private:
    std::function<bool(char16_t)> m_refuses;
};

} // namespace

void refuseTypedCharacters(QWidget *field, const char *refused)
{
    field->installEventFilter(new TypedCharacterFilter(
        field, [refused](char16_t typed) { return std::strchr(refused, char(typed)) != nullptr; }));
}

void acceptTypedDigitsOnly(QWidget *field)
{
    field->installEventFilter(
        new TypedCharacterFilter(field, [](char16_t typed) { return typed < u'0' || typed > u'9'; }));
}
