// The window helpers need a QApplication.
bool talmoTestNeedsWidgets()
{
    return true;
}
