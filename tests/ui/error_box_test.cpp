#include "common/error_text.h"
#include "common/tabulix_error.h"
#include "dialog_answers.h"
#include "ui/u_application.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Box {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
};

// Reads the next modal message box and presses its OK button.
void readAndCloseBox(Box &box)
{
    answerNextDialog([&box](QWidget *modal) {
        auto *messageBox = qobject_cast<QMessageBox *>(modal);
        ASSERT_TRUE(messageBox);
        box = {true, messageBox->windowTitle(), messageBox->text(), messageBox->icon(),
               messageBox->buttons().size()};
        messageBox->button(QMessageBox::Ok)->click();
    });
}

// Throws from its event handler whatever the test asks for, and counts what it handled.
class Thrower : public QObject {
public:
    std::function<void()> onEvent;
    int handled = 0;

protected:
    void customEvent(QEvent *) override
    {
        ++handled;
        if (onEvent)
            onEvent();
    }
};

} // namespace

TEST(ErrorBox, UncaughtErrorsEndTheOperationAndTheProgramGoesOn)
{
    ASSERT_TRUE(qobject_cast<TabulixApplication *>(QCoreApplication::instance()));
    Thrower thrower;
    thrower.onEvent = [] { throw TabulixError(QStringLiteral("Unable to write to /tmp/x.ini")); };

    Box box;
    readAndCloseBox(box);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.seen; }));
    EXPECT_EQ(box.title, u"Tabulix - Quellwerk");
    EXPECT_EQ(box.text, u"Unable to write to /tmp/x.ini.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, 1);

    // The next event is handled as usual.
    thrower.onEvent = nullptr;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    EXPECT_TRUE(QTest::qWaitFor([&] { return thrower.handled == 2; }));

    // Any other exception shows its own text; one that carries none shows the general one.
    box = {};
    readAndCloseBox(box);
    thrower.onEvent = [] { throw std::runtime_error("Cannot create file \"/x/ä.txt\". Disk full!"); };
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.seen; }));
    EXPECT_EQ(box.text, QStringLiteral("Cannot create file \"/x/ä.txt\". Disk full!"));

    box = {};
    readAndCloseBox(box);
    thrower.onEvent = [] { throw 42; };
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.seen; }));
    EXPECT_EQ(box.text, errorBoxText(unknownErrorText()));
}

TEST(ErrorBox, SlotOfAClickedButton)
{
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Los"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1)
            throw TabulixError(QStringLiteral("Datei <a> fehlt"));
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    Box box;
    readAndCloseBox(box);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.seen; }));
    EXPECT_EQ(box.text, u"Datei <a> fehlt.");

    // The button still works afterwards.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}
