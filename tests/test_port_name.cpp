#include "link/port_name.h"

#include <QTest>

using namespace smscfg;

class TestPortName : public QObject {
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("device");  // empty: names no port
        QTest::newRow("1") << "1" << "/dev/ttyS0";
        QTest::newRow("16") << "16" << "/dev/ttyS15";
        QTest::newRow("2.9 floors") << "2.9" << "/dev/ttyS1";
        QTest::newRow("spaces trimmed") << " 3 " << "/dev/ttyS2";
        QTest::newRow("path") << "/dev/ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("0") << "0" << "";
        QTest::newRow("negative") << "-1" << "";
        QTest::newRow("the last") << "65535" << "/dev/ttyS65534";
        QTest::newRow("too big") << "65536" << "";
        QTest::newRow("COM3") << "COM3" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("relative") << "ttyUSB0" << "";
    }
    void names()
    {
        QFETCH(QString, text);
        QFETCH(QString, device);
        QCOMPARE(portDeviceName(text).value_or(QString()), device);
    }
};

QTEST_GUILESS_MAIN(TestPortName)
#include "test_port_name.moc"
