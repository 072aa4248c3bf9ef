// The designer's pages are widgets: this executable runs with a QApplication.
bool talmoTestNeedsWidgets()
{
    return true;
}
