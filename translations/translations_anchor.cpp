// Gives the translations library a translation unit; its content is the resources.
