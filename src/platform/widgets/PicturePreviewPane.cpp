#include "platform/widgets/PicturePreviewPane.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QtConcurrent>

PicturePreviewPane::PicturePreviewPane(QWidget *parent)
    : QWidget(parent), m_picture(new QLabel(this)), m_line(new QLabel(this))
{
    setObjectName(QStringLiteral("picturePreview"));
    m_picture->setObjectName(QStringLiteral("previewPicture"));
    m_line->setObjectName(QStringLiteral("previewLine"));
    m_picture->setFixedSize(boxSize());
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_line->setWordWrap(true);
    m_line->setFixedWidth(boxSize().width());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture);
    layout->addWidget(m_line);
    layout->addStretch();
    connect(&m_watcher, &QFutureWatcher<PicturePreview>::finished, this, &PicturePreviewPane::finished);
}

void PicturePreviewPane::showPreviewOf(const QString &path)
{
    m_wanted = path;
    if (!m_watcher.isRunning())
        start(path);
}

void PicturePreviewPane::start(const QString &path)
{
    m_reading = path;
    m_picture->clear();
    m_line->clear();
    // Sharp on a screen that scales the window: the box in the screen's own pixels.
    const QSize box = (QSizeF(boxSize()) * devicePixelRatioF()).toSize();
    m_watcher.setFuture(QtConcurrent::run([path, box] { return previewPicture(path, box); }));
}

void PicturePreviewPane::finished()
{
    if (m_reading != m_wanted) {
        start(m_wanted);
        return;
    }
    const PicturePreview preview = m_watcher.result();
    QPixmap pixmap = QPixmap::fromImage(preview.picture);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(pixmap);
    m_line->setText(previewLine(preview));
}
