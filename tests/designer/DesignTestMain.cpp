// Designed controls are widgets: this executable runs with a QApplication.
bool talmoTestNeedsWidgets()
{
    return true;
}
