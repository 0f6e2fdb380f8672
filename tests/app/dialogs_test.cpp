// The real picture chooser, opened and closed from inside its own event loop.
#include "app/window/dialogs.h"
#include "window_fixture.h"

#include <QFileDialog>
#include <QImage>
#include <QLabel>

using namespace w4test;

TEST(PictureDialogTest, FileItOpensOnIsPreviewedAtOnce)
{
    EnsureApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("back.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));

    bool previewed = false;
    bool found = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(top);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            found = true;
            if (auto* preview = dialog->findChild<QLabel*>(QStringLiteral("PicturePreview")))
                previewed = !preview->pixmap().isNull();
            dialog->reject();
        }
    });
    w4::QtDialogs dialogs;
    EXPECT_TRUE(dialogs.Picture(path, QStringLiteral("Pictures (*.png)")).isEmpty());
    EXPECT_TRUE(found);
    EXPECT_TRUE(previewed);
}
