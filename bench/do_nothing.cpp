// The start-up limit: a process that starts, does nothing and exits.
int main()
{
    return 0;
}
