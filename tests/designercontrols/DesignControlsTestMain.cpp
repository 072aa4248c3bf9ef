// The palette classes are widgets: this executable runs with a QApplication.
bool talmoTestNeedsWidgets()
{
    return true;
}
