int route(int speed);
