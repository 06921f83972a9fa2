#pragma once

#include "platform/pictures/PicturePreview.h"

#include <QFutureWatcher>
#include <QWidget>

class QLabel;

// The preview beside the photo dialog's list: the selected picture upright and fitted, and a
// line under it. Files are read off the user-interface thread, one at a time; a selection made
// meanwhile is shown once the file being read is done.
class PicturePreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit PicturePreviewPane(QWidget *parent = nullptr);

    static QSize boxSize() { return QSize(200, 200); }

public Q_SLOTS:
    // Shows the file at path; nothing for a folder or an empty path.
    void showPreviewOf(const QString &path);

private:
    void start(const QString &path);
    void finished();

    QLabel *m_picture;
    QLabel *m_line;
    QFutureWatcher<PicturePreview> m_watcher;
    QString m_reading;
    QString m_wanted;
};
