#include <gtest/gtest.h>

#include "QtFileFilter.h"

using namespace velk;

TEST(QtFileFilter, ProgramFiltersBecomeQtEntriesWithThePairsPatterns)
{
    EXPECT_EQ(QtFileFilter("XML (*.xml) |*.xml| All Files (*.*) |*.*").toStdString(), "XML (*.xml);;All Files (*)");
    EXPECT_EQ(QtFileFilter("Values (*.val) |*.val| All Files (*.*) |*.*").toStdString(),
              "Values (*.val);;All Files (*)");
    // The pattern of the pair wins over what the name shows; several patterns
    // are separated by ";" in the program's form and by blanks in Qt's.
    EXPECT_EQ(QtFileFilter("Text (*.doc)|*.txt;*.log").toStdString(), "Text (*.txt *.log)");
    EXPECT_EQ(QtFileFilter("Plain|*.txt|Odd").toStdString(), "Plain (*.txt);;Odd");
    EXPECT_EQ(QtFileFilter("").toStdString(), "");
}
