#include "ui/Addresses.h"

#include <QDesktopServices>

namespace ui {

void OpenAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

} // namespace ui
