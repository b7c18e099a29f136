#include "desktop/files/ProgramFolders.h"
#include "support/FailOnWarnings.h"

#include <QTest>

namespace
{

const char *const kVariables[] = {"XDG_STATE_HOME", "XDG_DATA_HOME", "HOME"};

// While it lives, the variables the folders depend on are only those of
// `assignments` ("NAME=value"); the test's own come back after it.
class Environment
{
public:
    explicit Environment(const QStringList &assignments)
    {
        for (const char *name : kVariables) {
            m_saved.append(qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
            qunsetenv(name);
        }
        for (const QString &assignment : assignments)
            qputenv(assignment.section(u'=', 0, 0).toLocal8Bit().constData(),
                    assignment.section(u'=', 1).toLocal8Bit());
    }
    ~Environment()
    {
        for (qsizetype i = 0; i < m_saved.size(); ++i) {
            if (m_saved[i].isNull())
                qunsetenv(kVariables[i]);
            else
                qputenv(kVariables[i], m_saved[i]);
        }
    }
    Environment(const Environment &) = delete;
    Environment &operator=(const Environment &) = delete;

private:
    QList<QByteArray> m_saved;
};

} // namespace

class TestProgramFolders : public FailOnWarnings
{
    Q_OBJECT

private slots:
    void stateDirectory_data();
    void stateDirectory();
    void dataDirectory_data();
    void dataDirectory();
};

void TestProgramFolders::stateDirectory_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("expected");
    const QString fromHome = QStringLiteral("/home/player/.local/state/hueriddle");
    QTest::newRow("absolute XDG_STATE_HOME")
        << QStringList{"XDG_STATE_HOME=/xdg/state", "HOME=/home/player"}
        << QStringLiteral("/xdg/state/hueriddle");
    QTest::newRow("XDG_STATE_HOME cleaned of dot segments and extra slashes")
        << QStringList{"XDG_STATE_HOME=/xdg/./state//", "HOME=/home/player"}
        << QStringLiteral("/xdg/state/hueriddle");
    QTest::newRow("relative XDG_STATE_HOME counts as unset")
        << QStringList{"XDG_STATE_HOME=state", "HOME=/home/player"} << fromHome;
    QTest::newRow("empty XDG_STATE_HOME counts as unset")
        << QStringList{"XDG_STATE_HOME=", "HOME=/home/player"} << fromHome;
    QTest::newRow("no XDG_STATE_HOME") << QStringList{"HOME=/home/player"} << fromHome;
    QTest::newRow("HOME cleaned of a trailing slash")
        << QStringList{"HOME=/home/player/"} << fromHome;
    QTest::newRow("relative HOME and no XDG_STATE_HOME: none")
        << QStringList{"HOME=player"} << QString();
    QTest::newRow("relative XDG_STATE_HOME and no HOME: none")
        << QStringList{"XDG_STATE_HOME=state"} << QString();
    QTest::newRow("neither set: none") << QStringList{} << QString();
}

void TestProgramFolders::stateDirectory()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    const Environment only(environment);
    QCOMPARE(ProgramFolders::stateDirectory(), expected);
}

void TestProgramFolders::dataDirectory_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("expected");
    const QString fromHome = QStringLiteral("/home/player/.local/share/hueriddle");
    QTest::newRow("absolute XDG_DATA_HOME")
        << QStringList{"XDG_DATA_HOME=/xdg/data", "HOME=/home/player"}
        << QStringLiteral("/xdg/data/hueriddle");
    QTest::newRow("empty XDG_DATA_HOME counts as unset")
        << QStringList{"XDG_DATA_HOME=", "HOME=/home/player"} << fromHome;
    QTest::newRow("no XDG_DATA_HOME") << QStringList{"HOME=/home/player"} << fromHome;
    QTest::newRow("relative XDG_DATA_HOME counts as unset")
        << QStringList{"XDG_DATA_HOME=data", "HOME=/home/player"} << fromHome;
    QTest::newRow("relative XDG_DATA_HOME and no HOME: none")
        << QStringList{"XDG_DATA_HOME=data"} << QString();
    QTest::newRow("neither set: none") << QStringList{} << QString();
}

void TestProgramFolders::dataDirectory()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    const Environment only(environment);
    QCOMPARE(ProgramFolders::dataDirectory(), expected);
}

QTEST_APPLESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
