// stub: to be written
