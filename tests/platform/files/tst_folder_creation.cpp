#include "platform/system/AppError.h"
#include "platform/files/FolderCreation.h"
#include "support/ErrorMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestFolderCreation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void makesMissingParents();
    void existingFolderIsFine();
    void fileInTheWayIsNamed_data();
    void fileInTheWayIsNamed();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFolderCreation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFolderCreation::makesMissingParents()
{
    const QString path = m_dir->filePath(u"a/b/Library"_s);
    QCOMPARE(messageOf([&] { createFolder(path); }), QString());
    QVERIFY(QFileInfo(path).isDir());
}

void TestFolderCreation::existingFolderIsFine()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"Library"_s));
    QCOMPARE(messageOf([&] { createFolder(m_dir->filePath(u"Library"_s)); }), QString());
    QCOMPARE(messageOf([&] { createFolder(m_dir->filePath(u"Library/"_s)); }), QString());
}

void TestFolderCreation::fileInTheWayIsNamed_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("the folder itself") << u"Library"_s;
    QTest::newRow("a parent") << u"Library/works"_s;
}

void TestFolderCreation::fileInTheWayIsNamed()
{
    QFETCH(QString, relative);
    QFile file(m_dir->filePath(u"Library"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = m_dir->filePath(relative);
    QCOMPARE(messageOf([&] { createFolder(path); }),
             u"フォルダ「%1」を作れませんでした。\r同じ名前のファイルがあります。"_s.arg(path));
    QVERIFY(QFileInfo(file.fileName()).isFile());
}

QTEST_APPLESS_MAIN(TestFolderCreation)
#include "tst_folder_creation.moc"
