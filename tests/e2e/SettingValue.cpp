// Reads or writes one value of an INI settings file the way Qt stores it (escaped section
// names, quoted values, UTF-8), so that scripts can compare what the program stored with
// what was typed, or prepare entries before the program starts.
//
//   daybloom_e2e_setting FILE SECTION KEY           prints the value (no newline added);
//                                                   exit status 1 when the key is absent
//   daybloom_e2e_setting FILE SECTION KEY VALUE     stores VALUE under the key

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5) {
        std::fprintf(stderr, "usage: daybloom_e2e_setting FILE SECTION KEY [VALUE]\n");
        return 2;
    }
    QSettings settings(args.at(1), QSettings::IniFormat);
    const QString key = args.at(2) + QLatin1Char('/') + args.at(3);
    if (args.size() == 5) {
        settings.setValue(key, args.at(4));
        settings.sync();
        return settings.status() == QSettings::NoError ? 0 : 1;
    }
    if (!settings.contains(key))
        return 1;
    const QByteArray value = settings.value(key).toString().toUtf8();
    std::fwrite(value.constData(), 1, static_cast<size_t>(value.size()), stdout);
    return 0;
}
