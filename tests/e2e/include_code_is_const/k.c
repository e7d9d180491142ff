int from_code_file = 1;
