// The editor tests create widgets.
bool talmoTestNeedsWidgets()
{
    return true;
}
