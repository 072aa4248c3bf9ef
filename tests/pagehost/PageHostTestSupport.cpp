// Page-hosting tests create widgets.
bool talmoTestNeedsWidgets()
{
    return true;
}
