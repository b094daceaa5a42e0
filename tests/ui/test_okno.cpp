#include <QTest>
class TestOkno : public QObject { Q_OBJECT };
QTEST_MAIN(TestOkno)
#include "test_okno.moc"
