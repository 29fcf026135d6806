#include <orvanta/orvanta.h>

#include <cstdio>

int main()
{
    TPLXDefaultMedia media{QString()};
    const QString table = media.strValue(QStringLiteral("root"), QStringLiteral("table"), QString());
    std::printf("%s\n", qPrintable(table));
    return table == QLatin1String("Default Table") ? 0 : 1;
}
