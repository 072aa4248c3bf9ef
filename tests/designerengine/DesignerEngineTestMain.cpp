// The design surface is made of widgets: this executable runs with a QApplication.
bool talmoTestNeedsWidgets()
{
    return true;
}
