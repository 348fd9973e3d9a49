/* Libraries the loader must refuse: built with NO_DELETE, one that has
 * create_provider but no delete_provider; otherwise one whose creation calls
 * a function nothing defines. */
#ifndef NO_DELETE
void no_such_platform_function(void);
#endif

int create_provider(void **table)
{
    *table = 0;
#ifndef NO_DELETE
    no_such_platform_function();
#endif
    return 0;
}

#ifndef NO_DELETE
int delete_provider(void **table)
{
    *table = 0;
    return 0;
}
#endif
