#pragma once
// Every address the program hands to the desktop: the maker's home page, the
// support mail box and the payment service's checkout page. They are kept
// here, once, so that the main window's link and the about dialog agree.
#include <QString>
#include <QUrl>

namespace ui {

inline constexpr char HomePageAddress[] = "https://orvel.example.com/";
inline constexpr char SupportMailAddress[] = "support@orvel.example.com";
inline constexpr char CheckoutPageAddress[] = "https://checkout.example.com/order";

// The payment service's store numbers of the two products on sale.
inline constexpr int SourceCodeProductId = 21847;
inline constexpr int ThankYouProductId = 21848;

inline QUrl HomePageUrl() {
    return QUrl(QString::fromLatin1(HomePageAddress));
}

// A new message to the support address in the user's mail program.
inline QUrl SupportMailUrl() {
    return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(SupportMailAddress));
}

// The checkout page for one product, always in English.
inline QUrl CheckoutUrl(int productId) {
    return QUrl(QStringLiteral("%1?productid=%2&language=English")
                    .arg(QString::fromLatin1(CheckoutPageAddress))
                    .arg(productId));
}

// Asks the desktop to open the address in the default browser or mail program.
// What the desktop answers is of no interest: a failure shows nothing.
void OpenAddress(const QUrl& address);

} // namespace ui
