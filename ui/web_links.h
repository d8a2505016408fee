// Pages of the product web site that menus, labels and buttons open.
#pragma once

#include <QString>
#include <QUrl>

namespace velmora {

inline constexpr const char* kProductSite = "https://www.velmora-astrology.com/";

inline QUrl ProductPage(const QString& page) {
  return QUrl(QString(kProductSite) + page);
}

// The home page asked to search for a phrase; the phrase travels URL-encoded as a query
// parameter, never through a shell.
inline QUrl ProductSearch(const QString& phrase) {
  QUrl url = ProductPage(QStringLiteral("home-page"));
  // Everything but letters, digits and "-._~" is percent-encoded, "&", "+" and "=" included.
  url.setQuery(QStringLiteral("search=") + QString::fromLatin1(QUrl::toPercentEncoding(phrase)),
               QUrl::StrictMode);
  return url;
}

}  // namespace velmora
