#pragma once

#include <QDialog>

#include <functional>

// The About box: title and version, the logo, and a link to the author's page that lights up
// white under the pointer.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
