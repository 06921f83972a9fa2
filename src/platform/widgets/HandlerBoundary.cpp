#include "platform/widgets/HandlerBoundary.h"

#include "platform/system/AppError.h"
#include "platform/widgets/Dialogs.h"

#include <exception>

bool runHandler(Dialogs &dialogs, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const AppError &error) {
        dialogs.showError(error.message());
    } catch (const std::bad_alloc &) {
        dialogs.showError(QStringLiteral("メモリが足りません。"));
    } catch (const std::exception &error) {
        dialogs.showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
