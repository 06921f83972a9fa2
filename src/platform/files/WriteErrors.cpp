#include "platform/files/WriteErrors.h"

#include <cerrno>
#include <cstring>

QString reasonForWriteError(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("書き込みが許可されていません。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("書き込み先のフォルダがありません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case EEXIST:
        return QStringLiteral("同じ名前のファイルがあります。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    default:
        return QStringLiteral("システムのエラーです（%1）。").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}
